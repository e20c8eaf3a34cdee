#include "search/NCOMDeviceLoop.h"

#include "search/IStoppable.h"

namespace Common {
namespace Communication {

NCOMDeviceLoop::NCOMDeviceLoop(QThread*, const QString& portName, const QString& portKind,
                               const QVector<int>& baudRates, const QVector<int>& variants,
                               const QVector<int>& goingOnVariants, ISearchCommandCreator* creator,
                               bool variantMajorOrder, IStoppable* stopper, ILogger* logger,
                               QObject* parent)
    : QObject(parent), m_portName(portName), m_portKind(portKind), m_stopper(stopper),
      m_logger(logger), m_baudRates(baudRates), m_variants(variants),
      m_goingOnVariants(goingOnVariants), m_creator(creator), m_variantMajorOrder(variantMajorOrder)
{ }

NCOMDeviceLoop::Try NCOMDeviceLoop::tryAt(int index) const
{
    const int rates = m_baudRates.size();
    const int variants = m_variants.size();
    if (m_variantMajorOrder)
        return {m_baudRates[index % rates], m_variants[index / rates]};
    return {m_baudRates[index / variants], m_variants[index % variants]};
}

ConnectionInfo NCOMDeviceLoop::connectionInfoAt(int index) const
{
    ConnectionInfo info;
    info.setSerialPart({m_portName, tryAt(index).baudRate, m_portKind});
    return info;
}

QString NCOMDeviceLoop::logPrefix() const
{
    return QStringLiteral("%1 (%2): ").arg(m_portName, m_portKind);
}

void NCOMDeviceLoop::start()
{
    m_tries = m_baudRates.size() * m_variants.size();
    m_tryIndex = 0;
    if (m_tries == 0) {
        end();
        return;
    }
    doIteration();
}

void NCOMDeviceLoop::doIteration()
{
    m_getter = new AsyncDevInfoGetter(m_creator, m_logger, tryAt(m_tryIndex).variant,
                                      connectionInfoAt(m_tryIndex), this);
    m_getter->setTimings(m_timings);
    // Queued: a port that cannot be opened finishes inside start(), and the
    // next try must not nest inside this one.
    connect(m_getter, &AsyncDevInfoGetter::finished, this, &NCOMDeviceLoop::onDigFinished,
            Qt::QueuedConnection);
    emit progress(m_tryIndex, m_tries);
    m_getter->start();
}

void NCOMDeviceLoop::onDigFinished(bool success)
{
    AsyncDevInfoGetter* getter = m_getter;
    m_getter = nullptr;
    getter->deleteLater();
    if (!success) {
        switch (getter->result()) {
        case AsyncDevInfoGetter::NotOpened:
            emit newLogLine(logPrefix() + tr("Could not open port"));
            break;
        case AsyncDevInfoGetter::NotSent:
            emit newLogLine(logPrefix() + tr("Could not send command"));
            break;
        case AsyncDevInfoGetter::NoAnswerToInfo:
            emit newLogLine(logPrefix() + tr("Device did not respond to ReadInfo command"));
            break;
        default: break;
        }
    } else {
        m_found = true;
        m_deviceInfo = getter->deviceInfo();
        m_connectionInfo = getter->connectionInfo();
        m_foundVariant = tryAt(m_tryIndex).variant;
        emit newLogLine(getter->interfaceDescription() + QStringLiteral(": ")
                        + QStringLiteral("%1 | %2 | %3 | %4")
                              .arg(m_deviceInfo.model, m_deviceInfo.serialNumber, m_deviceInfo.date,
                                   m_deviceInfo.firmware));
        if (!m_goingOnVariants.contains(m_foundVariant)) {
            end();
            return;
        }
    }
    if (m_stopper->isStopped()) {
        emit newLogLine(logPrefix() + tr("Stopped"));
        end();
        return;
    }
    if (++m_tryIndex < m_tries) {
        doIteration();
        return;
    }
    if (!m_found)
        emit newLogLine(logPrefix() + tr("No device found"));
    end();
}

void NCOMDeviceLoop::end()
{
    emit finished(m_found);
    emit progress(1, 1);
}

} // namespace Communication
} // namespace Common
