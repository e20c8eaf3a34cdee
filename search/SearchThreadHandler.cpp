#include "search/SearchThreadHandler.h"

#include "communication/DeviceConnectionInfo.h"
#include "communication/ThreadShutdown.h"
#include "search/ISearchInfo.h"
#include "search/NCOMDeviceLoop.h"

namespace Common {
namespace Communication {

SearchThreadHandler::SearchThreadHandler(QObject* parent) : QObject(parent) { }

SearchThreadHandler::~SearchThreadHandler()
{
    stop();
    m_thread.quit();
    m_thread.wait();
}

void SearchThreadHandler::start(QThread* callerThread, const QString& portName,
                                const QString& portKind, ISearchInfo* searchInfo, ILogger* logger)
{
    m_portName = portName;
    QVector<int> goingOn;
    const QVector<int> variants = searchInfo->commandVariants();
    for (int variant : variants) {
        if (!searchInfo->stopOnFound(variant))
            goingOn.append(variant);
    }
    auto* loop = new NCOMDeviceLoop(
        callerThread, portName, portKind, searchInfo->baudRates(), searchInfo->commandVariants(),
        goingOn, searchInfo->commandCreator(), searchInfo->variantMajorOrder(), this, logger);
    loop->setProbeTimings(m_timings);
    loop->moveToThread(&m_thread);
    m_loop = loop;
    connect(loop, &NCOMDeviceLoop::progress, this, &SearchThreadHandler::onProgress);
    connect(loop, &NCOMDeviceLoop::newLogLine, this, &SearchThreadHandler::newLogLine);
    connect(&m_thread, &QThread::started, loop, &NCOMDeviceLoop::start);
    // Deleted on its own thread as that ends, however it ends: its probe's
    // timers and port belong to that thread.
    connect(&m_thread, &QThread::finished, loop, &QObject::deleteLater);
    connect(loop, &NCOMDeviceLoop::finished, this, &SearchThreadHandler::onFinish);
    m_thread.start(QThread::InheritPriority);
}

void SearchThreadHandler::onFinish(bool success)
{
    QVariant result;
    if (success && m_loop) {
        DeviceConnectionInfo device;
        device.connectionInfo = m_loop->connectionInfo();
        device.deviceInfo = m_loop->deviceInfo();
        device.commandVariant = m_loop->foundVariant();
        result = QVariant::fromValue(device);
    }
    // Connected before the quit, so the end of a thread that stops at once
    // is not missed.
    connect(&m_thread, &QThread::finished, this, &QObject::deleteLater);
    m_thread.quit();
    emit finished(result);
}

void SearchThreadHandler::onProgress(int progressVal, int maxProgress)
{
    emit progress(m_id, progressVal, maxProgress);
}

bool SearchThreadHandler::abort(int ms)
{
    stop();
    return quitThreadWithin(&m_thread, ms,
                            QStringLiteral("The search on serial port ") + m_portName);
}

} // namespace Communication
} // namespace Common
