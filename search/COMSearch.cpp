#include "search/COMSearch.h"

#include "search/ISearchInfo.h"
#include "search/SearchThreadHandler.h"

#include <QDeadlineTimer>
#include <QStringList>
#include <QThread>

namespace Common {
namespace Communication {

COMSearch::COMSearch(ISearchInfo* searchInfo, ILogger* logger, QObject* parent)
    : QObject(parent), m_searchInfo(searchInfo), m_logger(logger)
{ }

void COMSearch::setPortLister(const ISerialPortLister* lister)
{
    m_lister = lister ? lister : &m_systemPorts;
}

QVector<COMSearch::PortEntry> COMSearch::classifySerialPorts() const
{
    const SearchOptions options = m_searchInfo->searchOptions();
    QVector<PortEntry> ports;
    const QVector<SerialPortEntry> available = m_lister->availablePorts();
    for (const SerialPortEntry& port : available) {
        if (port.portName.isEmpty())
            continue;
        // The first match decides: a Bluetooth port made by FTDI is Bluetooth.
        QString kind;
        bool allowed = false;
        if (port.description.contains(QLatin1String("Bluetooth"))) {
            kind = QStringLiteral("Bluetooth");
            allowed = options.allowBluetooth;
        } else if (port.manufacturer.contains(QLatin1String("FTDI"))) {
            kind = QStringLiteral("FTDI");
            allowed = options.allowFtdi;
        } else if (port.manufacturer.contains(QLatin1String("Tibbo"))) {
            kind = QStringLiteral("Tibbo");
            allowed = options.allowTibbo;
        } else {
            kind = port.manufacturer;
            allowed = options.allowOther;
        }
        if (allowed)
            ports.append({port, kind});
    }
    return ports;
}

int COMSearch::runningPortSearches() const
{
    int running = 0;
    for (const QPointer<SearchThreadHandler>& handler : m_handlers)
        running += handler ? 1 : 0;
    return running;
}

bool COMSearch::stopPortSearches(int ms)
{
    // Every port is told to stop before any is waited for: the wait is
    // bounded for all of them together.
    for (const QPointer<SearchThreadHandler>& handler : qAsConst(m_handlers)) {
        if (handler)
            handler->stop();
    }
    const QDeadlineTimer deadline(ms);
    bool ended = true;
    for (const QPointer<SearchThreadHandler>& handler : qAsConst(m_handlers)) {
        if (!handler)
            continue;
        if (handler->abort(int(deadline.remainingTime())))
            delete handler.data();
        else
            ended = false;
    }
    return ended;
}

void COMSearch::start()
{
    releaseHandlers();
    m_ports = classifySerialPorts();
    m_fractions.clear();
    if (m_ports.isEmpty()) {
        m_finished = m_portCount = 0;
        emit newLogLine(tr("No serial ports found."));
        emit progress(m_endProgress);
        return;
    }
    emit progress(m_startProgress);
    m_finished = 0;
    m_portCount = m_ports.size();
    emit newLogLine(tr("Searching via serial ports..."));
    QStringList names;
    for (const PortEntry& entry : qAsConst(m_ports))
        names.append(entry.port.portName);
    emit newLogLine(tr("Ports to be used during search: ") + names.join(QLatin1String(", ")));

    for (int id = 0; id < m_ports.size(); ++id) {
        m_fractions.append(0.0f);
        auto* handler = new SearchThreadHandler(this);
        handler->setId(id);
        handler->setProbeTimings(m_timings);
        connect(handler, &SearchThreadHandler::newLogLine, this, &COMSearch::newLogLine);
        connect(handler, &SearchThreadHandler::finished, this, &COMSearch::onFinished);
        connect(handler, &SearchThreadHandler::progress, this, &COMSearch::onProgress);
        connect(this, &COMSearch::stopHandler, handler, &SearchThreadHandler::stop);
        m_handlers.append(handler);
        handler->start(QThread::currentThread(), m_ports[id].port.portName, m_ports[id].kind,
                       m_searchInfo, m_logger);
    }
}

void COMSearch::releaseHandlers()
{
    QVector<QPointer<SearchThreadHandler>> running;
    for (const QPointer<SearchThreadHandler>& handler : qAsConst(m_handlers)) {
        if (!handler)
            continue;
        handler->disconnect(this);
        disconnect(this, nullptr, handler, nullptr);
        handler->stop();
        running.append(handler); // still joined on shutdown
    }
    m_handlers = running;
}

void COMSearch::stop() { emit stopHandler(); }

void COMSearch::onFinished(QVariant result)
{
    if (result.isValid())
        emit deviceFound(result);
    ++m_finished;
    updateProgress();
}

void COMSearch::onProgress(int id, int progress, int maxProgress)
{
    // A port's last report follows its end: once every port has ended, the
    // 100 is out, and a second one could reach the engine after it started
    // the next search and end that one at once.
    if (m_finished >= m_portCount || id < 0 || id >= m_fractions.size() || maxProgress <= 0)
        return;
    m_fractions[id] = float(progress) / float(maxProgress);
    updateProgress();
}

void COMSearch::updateProgress()
{
    if (m_finished >= m_portCount) {
        emit progress(m_endProgress);
        return;
    }
    float sum = 0.0f;
    for (float fraction : qAsConst(m_fractions))
        sum += fraction * float(m_endProgress - m_startProgress) / float(m_portCount);
    emit progress(m_startProgress + int(sum));
}

} // namespace Communication
} // namespace Common
