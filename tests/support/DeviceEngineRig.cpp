#include "tests/support/DeviceEngineRig.h"

#include "communication/CommnadEngine.h"
#include "communication/DeviceEngine.h"
#include "tests/support/GenericCommandCreator.h"
#include "tests/support/OnThread.h"
#include "tests/support/RecordingCommandHandler.h"

#include <QDebug>
#include <QTest>

using namespace Common::Communication;

DeviceEngineRig::DeviceEngineRig(QThread* thread, int replyTimeout, int echoInterval,
                                 QObject* parent)
    : QObject(parent), m_engine(new DeviceEngine()), m_thread(thread)
{
    m_creator = new GenericCommandCreator(m_engine);
    m_handler = new RecordingCommandHandler(m_engine);
    m_engine->setCommandCreator(m_creator);
    m_engine->setCommandHandler(m_handler);
    m_engine->setLineHandler(this);
    m_engine->setReplyTimeout(replyTimeout);
    m_engine->setEchoInterval(echoInterval);
    connect(m_engine, &IDevice::connectionStateChanged, this,
            [this](int s, int r) { events << QString("state %1 %2").arg(s).arg(r); });
    connect(m_engine, &IDevice::connectionFailed, this, [this] { events << "failed"; });
    connect(m_handler, &RecordingCommandHandler::outcome, this,
            [this](QString kind, int code, int status) {
                events << QString("%1 %2 %3").arg(kind).arg(code).arg(status);
            });
    connect(m_engine, &DeviceEngine::fwUploadFinished, this,
            [this](int r) { events << QString("upload %1").arg(r); });
    connect(m_engine, &DeviceEngine::fwUploadState, this,
            [this](int s) { events << QString("upload state %1").arg(s); });
    m_engine->moveToThread(thread);
}

DeviceEngineRig::~DeviceEngineRig()
{
    onThread(m_engine, [this] { delete m_engine; });
}

void DeviceEngineRig::attachAndConnect(CInterface* transport)
{
    auto* commandEngine = new CommnadEngine();
    commandEngine->setInterface(transport);
    commandEngine->moveToThread(m_thread);
    onThread(m_engine, [&] { m_engine->setCommandEngine(commandEngine); });
    m_engine->requestConnect();
}

bool DeviceEngineRig::connectDevice(CInterface* transport)
{
    attachAndConnect(transport);
    // The identification also reaches the handler as a finished command.
    const QStringList connected{"state 4 0", "state 1 0", "ok 36 0"};
    if (!QTest::qWaitFor([&] { return events == connected; }, 3000)) {
        qWarning() << "not connected:" << events;
        return false;
    }
    events.clear();
    return true;
}

QStringList DeviceEngineRig::lines()
{
    QMutexLocker lock(&m_mutex);
    return m_lines;
}

bool DeviceEngineRig::handleLine(QString line)
{
    QMutexLocker lock(&m_mutex);
    m_lines << line;
    return true;
}
