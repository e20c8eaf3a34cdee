#include "communication/DeviceEngine.h"

#include "communication/CInterface.h"
#include "communication/Command.h"
#include "communication/CommandCreator.h"
#include "communication/CommandHandler.h"
#include "communication/CommnadEngine.h"
#include "communication/FirmwareFile.h"

#include <QMutexLocker>
#include <QThread>

namespace Common {
namespace Communication {

DeviceEngine::DeviceEngine(QObject* parent) : IDevice(parent), m_uploader(this), m_echoTimer(this)
{
    connect(this, &DeviceEngine::operationScheduled, this, &DeviceEngine::onScheduledOperation,
            Qt::QueuedConnection);
    m_echoTimer.setSingleShot(true);
    m_echoTimer.setInterval(5000);
    connect(&m_echoTimer, &QTimer::timeout, this, &DeviceEngine::onEchoTimer);
}

DeviceEngine::~DeviceEngine()
{
    if (m_commandEngine) {
        disconnect(m_commandEngine, nullptr, this, nullptr);
        m_commandEngine->deleteLater();
    }
}

void DeviceEngine::setCommandEngine(CommnadEngine* engine)
{
    if (!engine)
        return;
    // The old engine and its transport belong to this object's thread: the
    // change is made there, ahead of any request queued after this call.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, engine] { setCommandEngine(engine); }, Qt::QueuedConnection);
        return;
    }
    {
        QMutexLocker lock(&m_operationLock);
        if (m_commandEngine && m_commandEngine != engine) {
            // A connect already requested goes to the new engine.
            const int requested = m_pending;
            disconnectWithReasonLocked(Requested);
            if (requested == OpConnect)
                m_pending = OpConnect;
        }
        m_commandEngine = engine;
        const auto queuedOnce = Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection);
        connect(engine, &CommnadEngine::commandFinished, this, &DeviceEngine::onCommandFinished,
                queuedOnce);
        connect(engine, &CommnadEngine::receivedSomething, this, &DeviceEngine::onReceivedSomething,
                Qt::ConnectionType(Qt::DirectConnection | Qt::UniqueConnection));
        connect(engine, &CommnadEngine::interfaceReady, this, &DeviceEngine::onInterfaceReady,
                queuedOnce);
        connect(engine, &CommnadEngine::interfaceFailed, this, &DeviceEngine::onInterfaceFailed,
                queuedOnce);
        engine->setLineHandler(m_lineHandler);
    }
    flushNotices();
}

void DeviceEngine::requestDisconnect()
{
    QMutexLocker lock(&m_operationLock);
    m_pending = OpDisconnect;
    emit operationScheduled();
}

void DeviceEngine::requestConnect()
{
    QMutexLocker lock(&m_operationLock);
    m_pending = OpConnect;
    emit operationScheduled();
}

DeviceInfo DeviceEngine::deviceInfo()
{
    QMutexLocker lock(&m_operationLock);
    return m_info;
}

void DeviceEngine::setDeviceInfo(DeviceInfo deviceInfo)
{
    bool nowConnected = false;
    {
        QMutexLocker lock(&m_operationLock);
        // A late identification after the connection ended connects nothing.
        if (m_state == Disconnected)
            return;
        m_info = deviceInfo;
        nowConnected = m_state != Connected;
        m_state = Connected;
    }
    if (nowConnected) {
        emit connectionStateChanged(Connected, 0);
        // The timer runs while connected; onEchoTimer() tests the switch.
        restartEchoTimer();
    }
}

bool DeviceEngine::scheduleCommand(CommandRequest commandRequest)
{
    QMutexLocker lock(&m_operationLock);
    // Not connected: nothing would run it and its caller would wait forever.
    // A command that its operation abandoned does not refuse the next one:
    // that one waits for it.
    if (m_state != Connected || m_uploading || m_pending != OpNone
        || (m_engState == WaitingForCommand && !m_abandoned))
        return false;
    m_request = commandRequest;
    m_pending = OpCommand;
    emit operationScheduled();
    return true;
}

void DeviceEngine::abandonCommand()
{
    QMutexLocker lock(&m_operationLock);
    if (m_state != Connected)
        return;
    if (m_pending == OpCommand) {
        m_pending = OpNone;
        m_deferred = false;
    }
    if (m_engState == WaitingForCommand)
        m_abandoned = true;
}

void DeviceEngine::setReplyTimeout(int ms)
{
    QMutexLocker lock(&m_operationLock);
    m_replyTimeout = ms;
}

bool DeviceEngine::sendString(QString text)
{
    QMutexLocker lock(&m_operationLock);
    if (m_state != Connected || m_uploading || m_pending != OpNone || m_engState != Idle)
        return false;
    m_rawText = text;
    m_pending = OpRawText;
    emit operationScheduled();
    return true;
}

bool DeviceEngine::scheduleFirmwareUpload(FirmwareFile* image)
{
    QMutexLocker lock(&m_operationLock);
    // Only when nothing runs: an echo's rewrite would land in the
    // bootloader's stream.
    if (!image || image->isEmpty() || !m_commandEngine || m_state != Connected || m_uploading
        || m_pending != OpNone || m_engState != Idle)
        return false;
    m_firmware = image;
    m_pending = OpFirmwareUpload;
    emit operationScheduled();
    return true;
}

void DeviceEngine::setCommandHandler(CommandHandler* commandHandler)
{
    m_handler = commandHandler;
    if (m_handler)
        m_handler->setDeviceInfoHandler(this);
}

void DeviceEngine::setEchoEnabled(bool enabled)
{
    QMutexLocker lock(&m_flagsLock);
    m_echoEnabled = enabled;
}

void DeviceEngine::setEchoInterval(int ms) { m_echoTimer.setInterval(ms); }

int DeviceEngine::connectionState()
{
    QMutexLocker lock(&m_operationLock);
    return m_state;
}

int DeviceEngine::engineState()
{
    QMutexLocker lock(&m_operationLock);
    return m_engState;
}

void DeviceEngine::onScheduledOperation()
{
    {
        QMutexLocker lock(&m_operationLock);
        runScheduledLocked();
    }
    flushNotices();
}

void DeviceEngine::runScheduledLocked()
{
    if ((m_engState == WaitingForEcho || m_abandoned) && m_pending == OpCommand) {
        m_deferred = true;
        return;
    }
    const int operation = m_pending;
    m_pending = OpNone;
    switch (operation) {
    case OpConnect: connectLocked(); break;
    case OpDisconnect: disconnectWithReasonLocked(Requested); break;
    case OpCommand: runCommandLocked(); break;
    case OpRawText:
        if (m_commandEngine)
            m_commandEngine->sendRaw(m_rawText);
        break;
    case OpFirmwareUpload: uploadFirmwareLocked(); break;
    default: break;
    }
}

void DeviceEngine::connectLocked()
{
    if (m_state != Disconnected)
        return;
    if (!m_commandEngine || !m_commandEngine->openInterface()) {
        if (m_commandEngine) {
            disconnect(m_commandEngine, nullptr, this, nullptr);
            m_commandEngine->deleteLater();
            m_commandEngine = nullptr;
        }
        notifyLocked([this] { emit connectionFailed(); });
        return;
    }
    m_state = Connecting;
    notifyLocked([this] { emit connectionStateChanged(Connecting, 0); });
}

void DeviceEngine::runCommandLocked()
{
    if (!m_commandEngine || !m_creator)
        return;
    m_currentCode = m_request.code;
    const int code = m_currentCode;
    Command* command = m_creator->create(m_request);
    bool accepted = false;
    const int result = command ? m_commandEngine->execute(command, &accepted, m_replyTimeout)
                               : CommnadEngine::WriteFailed;
    if (result == CommnadEngine::Written) {
        m_engState = WaitingForCommand;
        return;
    }
    m_engState = Idle;
    Command* failed = accepted ? m_commandEngine->takeCommand() : command;
    if (m_handler)
        notifyLocked([this, failed, code] { m_handler->onSendFailed(failed, code); });
    release(failed);
    // An identification that cannot even be written ends the attempt.
    if (m_state == Connecting)
        disconnectWithReasonLocked(ConnectingFailed);
}

void DeviceEngine::onCommandFinished(int status)
{
    {
        QMutexLocker lock(&m_operationLock);
        if (!fromCurrentEngine())
            return;
        Command* command = m_commandEngine->takeCommand();
        if (!command)
            return;
        release(command); // deleted later: the handler still sees it below
        const bool echo = m_creator && m_creator->isEcho(command);
        const int previous = m_engState;
        const int code = m_currentCode;
        const bool ok = status == Command::StatusOk;
        m_engState = Idle;
        if (echo && previous == WaitingForEcho) {
            if (!ok)
                disconnectWithReasonLocked(m_state == Connecting ? ConnectingFailed : EchoFailed);
            else if (m_deferred) {
                m_deferred = false;
                runScheduledLocked();
            }
        } else if (!ok && m_state == Connecting) {
            disconnectWithReasonLocked(ConnectingFailed);
        } else if (m_abandoned) {
            // Nobody waits for its outcome; the next command may.
            m_abandoned = false;
            if (m_deferred) {
                m_deferred = false;
                runScheduledLocked();
            }
        } else if (m_handler) {
            if (ok)
                notifyLocked([this, command, code] { m_handler->onCommandOk(command, code); });
            else
                notifyLocked(
                    [this, command, code, status] { m_handler->onFailed(command, code, status); });
        }
    }
    flushNotices();
}

void DeviceEngine::onEchoTimer()
{
    bool sent = false;
    bool connected = false;
    {
        QMutexLocker lock(&m_operationLock);
        QMutexLocker flags(&m_flagsLock);
        connected = m_commandEngine && m_state == Connected;
        if (m_echoEnabled && m_echoAllowed && connected && m_engState == Idle && m_pending == OpNone
            && !m_uploading) {
            sendEchoLocked();
            sent = true;
        }
    }
    flushNotices();
    // After an echo the timer waits for data (onReceivedSomething).
    if (!sent && connected)
        m_echoTimer.start();
}

void DeviceEngine::sendEchoLocked()
{
    Command* echo = m_creator ? m_creator->createEcho() : nullptr;
    if (!echo)
        return;
    bool accepted = false;
    const int result = m_commandEngine->execute(echo, &accepted, m_replyTimeout);
    if (result == CommnadEngine::Written) {
        m_engState = WaitingForEcho;
        return;
    }
    m_engState = Idle;
    release(accepted ? m_commandEngine->takeCommand() : echo);
    if (result == CommnadEngine::WriteFailed)
        disconnectWithReasonLocked(EchoFailed);
}

void DeviceEngine::onReceivedSomething() { m_echoTimer.start(); }

void DeviceEngine::onInterfaceReady()
{
    QMutexLocker lock(&m_operationLock);
    if (!fromCurrentEngine() || m_state != Connecting || !m_creator)
        return;
    m_request = m_creator->deviceInfoRequest();
    m_pending = OpCommand;
    emit operationScheduled();
}

void DeviceEngine::onInterfaceFailed()
{
    {
        QMutexLocker lock(&m_operationLock);
        if (!fromCurrentEngine())
            return;
        disconnectWithReasonLocked(m_state == Connecting ? ConnectingFailed : InterfaceLost);
    }
    flushNotices();
}

void DeviceEngine::uploadFirmwareLocked()
{
    if (!m_commandEngine || !m_firmware)
        return;
    m_uploader.setUseBootloader(true);
    m_uploader.setFirmwareFile(m_firmware);
    m_uploader.setInterface(m_commandEngine->interface());
    m_uploader.setLogger(m_commandEngine->logger());
    m_uploaderConnections << connect(&m_uploader, &IFirmwareUploader::uploadFinished, this,
                                     &DeviceEngine::fwUploadFinished)
                          << connect(&m_uploader, &IFirmwareUploader::uploadProgress, this,
                                     &DeviceEngine::fwUploadProgress)
                          << connect(&m_uploader, &IFirmwareUploader::uploadState, this,
                                     &DeviceEngine::fwUploadState)
                          // Queued: the uploader may finish inside upload(), under this lock.
                          << connect(&m_uploader, &IFirmwareUploader::uploadFinished, this,
                                     &DeviceEngine::onFirmwareUploaderFinished,
                                     Qt::QueuedConnection);
    m_commandEngine->stopReading();
    m_uploading = true;
    bool allowed;
    {
        QMutexLocker flags(&m_flagsLock);
        allowed = m_echoAllowed;
        m_echoAllowed = false;
    }
    m_echoTimer.stop();
    m_uploader.upload();
    QMutexLocker flags(&m_flagsLock);
    m_echoAllowed = allowed;
}

void DeviceEngine::onFirmwareUploaderFinished()
{
    {
        QMutexLocker lock(&m_operationLock);
        if (!m_uploading)
            return;
        m_uploading = false;
        for (const QMetaObject::Connection& connection : qAsConst(m_uploaderConnections))
            disconnect(connection);
        m_uploaderConnections.clear();
        m_firmware = nullptr;
        // The device has left its normal mode: every upload ends the connection.
        disconnectWithReasonLocked(Requested);
    }
    flushNotices();
}

void DeviceEngine::disconnectWithReasonLocked(int reason)
{
    if (!m_commandEngine)
        return;
    // Ends a running upload now; its queued finish then only cleans up.
    if (m_uploading)
        m_uploader.abort();
    if (Command* held = m_commandEngine->takeCommand()) {
        const bool echo = m_creator && m_creator->isEcho(held);
        const int code = m_currentCode;
        if (!echo && m_handler && !m_abandoned)
            notifyLocked([this, code] { m_handler->onAborted(code); });
        release(held);
    }
    disconnect(m_commandEngine, nullptr, this, nullptr);
    m_commandEngine->closeInterface();
    m_commandEngine->deleteLater();
    m_commandEngine = nullptr;
    m_info = DeviceInfo();
    m_deferred = false;
    m_abandoned = false;
    m_pending = OpNone;
    m_engState = Idle;
    m_rawText.clear();
    m_echoTimer.stop();
    if (m_state != Disconnected) {
        m_state = Disconnected;
        notifyLocked([this, reason] { emit connectionStateChanged(Disconnected, reason); });
    }
}

void DeviceEngine::release(Command* command)
{
    if (!command)
        return;
    command->setParent(this);
    command->deleteLater();
}

void DeviceEngine::restartEchoTimer()
{
    if (QThread::currentThread() == thread())
        m_echoTimer.start();
    else
        QMetaObject::invokeMethod(&m_echoTimer, QOverload<>::of(&QTimer::start),
                                  Qt::QueuedConnection);
}

bool DeviceEngine::fromCurrentEngine() const
{
    return m_commandEngine && sender() == m_commandEngine;
}

void DeviceEngine::notifyLocked(std::function<void()> notice)
{
    notices.push_back(std::move(notice));
}

void DeviceEngine::flushNotices()
{
    Q_ASSERT(QThread::currentThread() == thread());
    for (;;) {
        std::vector<std::function<void()>> now;
        {
            QMutexLocker lock(&m_operationLock);
            now.swap(notices);
        }
        if (now.empty())
            return;
        for (const auto& notice : now)
            notice();
    }
}

} // namespace Communication
} // namespace Common
