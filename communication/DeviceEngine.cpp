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

DeviceEngine::DeviceEngine(QObject* parent) : IDevice(parent), uploader(this), echoTimer(this)
{
    connect(this, &DeviceEngine::operationScheduled, this, &DeviceEngine::onScheduledOperation,
            Qt::QueuedConnection);
    echoTimer.setSingleShot(true);
    echoTimer.setInterval(5000);
    connect(&echoTimer, &QTimer::timeout, this, &DeviceEngine::onEchoTimer);
}

DeviceEngine::~DeviceEngine()
{
    if (commandEngine) {
        disconnect(commandEngine, nullptr, this, nullptr);
        commandEngine->deleteLater();
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
        QMutexLocker lock(&operationLock);
        if (commandEngine && commandEngine != engine) {
            // A connect already requested goes to the new engine.
            const int requested = pending;
            disconnectWithReasonLocked(Requested);
            if (requested == OpConnect)
                pending = OpConnect;
        }
        commandEngine = engine;
        const auto queuedOnce = Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection);
        connect(engine, &CommnadEngine::commandFinished, this, &DeviceEngine::onCommandFinished,
                queuedOnce);
        connect(engine, &CommnadEngine::receivedSomething, this, &DeviceEngine::onReceivedSomething,
                Qt::ConnectionType(Qt::DirectConnection | Qt::UniqueConnection));
        connect(engine, &CommnadEngine::interfaceReady, this, &DeviceEngine::onInterfaceReady,
                queuedOnce);
        connect(engine, &CommnadEngine::interfaceFailed, this, &DeviceEngine::onInterfaceFailed,
                queuedOnce);
        engine->setLineHandler(lineHandler);
    }
    flushNotices();
}

void DeviceEngine::requestDisconnect()
{
    QMutexLocker lock(&operationLock);
    pending = OpDisconnect;
    emit operationScheduled();
}

void DeviceEngine::requestConnect()
{
    QMutexLocker lock(&operationLock);
    pending = OpConnect;
    emit operationScheduled();
}

DeviceInfo DeviceEngine::deviceInfo()
{
    QMutexLocker lock(&operationLock);
    return info;
}

void DeviceEngine::setDeviceInfo(DeviceInfo deviceInfo)
{
    bool nowConnected = false;
    {
        QMutexLocker lock(&operationLock);
        // A late identification after the connection ended connects nothing.
        if (state == Disconnected)
            return;
        info = deviceInfo;
        nowConnected = state != Connected;
        state = Connected;
    }
    if (nowConnected) {
        emit connectionStateChanged(Connected, 0);
        // The timer runs while connected; onEchoTimer() tests the switch.
        restartEchoTimer();
    }
}

bool DeviceEngine::scheduleCommand(CommandRequest commandRequest)
{
    QMutexLocker lock(&operationLock);
    // Not connected: nothing would run it and its caller would wait forever.
    // A command that its operation abandoned does not refuse the next one:
    // that one waits for it.
    if (state != Connected || uploading || pending != OpNone
        || (engState == WaitingForCommand && !abandoned))
        return false;
    request = commandRequest;
    pending = OpCommand;
    emit operationScheduled();
    return true;
}

void DeviceEngine::abandonCommand()
{
    QMutexLocker lock(&operationLock);
    if (state != Connected)
        return;
    if (pending == OpCommand) {
        pending = OpNone;
        deferred = false;
    }
    if (engState == WaitingForCommand)
        abandoned = true;
}

void DeviceEngine::setReplyTimeout(int ms)
{
    QMutexLocker lock(&operationLock);
    replyTimeout = ms;
}

bool DeviceEngine::sendString(QString text)
{
    QMutexLocker lock(&operationLock);
    if (state != Connected || uploading || pending != OpNone || engState != Idle)
        return false;
    rawText = text;
    pending = OpRawText;
    emit operationScheduled();
    return true;
}

bool DeviceEngine::scheduleFirmwareUpload(FirmwareFile* image)
{
    QMutexLocker lock(&operationLock);
    // Only when nothing runs: an echo's rewrite would land in the
    // bootloader's stream.
    if (!image || image->isEmpty() || !commandEngine || state != Connected || uploading
        || pending != OpNone || engState != Idle)
        return false;
    firmware = image;
    pending = OpFirmwareUpload;
    emit operationScheduled();
    return true;
}

void DeviceEngine::setCommandHandler(CommandHandler* commandHandler)
{
    handler = commandHandler;
    if (handler)
        handler->setDeviceInfoHandler(this);
}

void DeviceEngine::setEchoEnabled(bool enabled)
{
    QMutexLocker lock(&flagsLock);
    echoEnabled = enabled;
}

void DeviceEngine::setEchoInterval(int ms) { echoTimer.setInterval(ms); }

int DeviceEngine::connectionState()
{
    QMutexLocker lock(&operationLock);
    return state;
}

int DeviceEngine::engineState()
{
    QMutexLocker lock(&operationLock);
    return engState;
}

void DeviceEngine::onScheduledOperation()
{
    {
        QMutexLocker lock(&operationLock);
        runScheduledLocked();
    }
    flushNotices();
}

void DeviceEngine::runScheduledLocked()
{
    if ((engState == WaitingForEcho || abandoned) && pending == OpCommand) {
        deferred = true;
        return;
    }
    const int operation = pending;
    pending = OpNone;
    switch (operation) {
    case OpConnect: connectLocked(); break;
    case OpDisconnect: disconnectWithReasonLocked(Requested); break;
    case OpCommand: runCommandLocked(); break;
    case OpRawText:
        if (commandEngine)
            commandEngine->sendRaw(rawText);
        break;
    case OpFirmwareUpload: uploadFirmwareLocked(); break;
    default: break;
    }
}

void DeviceEngine::connectLocked()
{
    if (state != Disconnected)
        return;
    if (!commandEngine || !commandEngine->openInterface()) {
        if (commandEngine) {
            disconnect(commandEngine, nullptr, this, nullptr);
            commandEngine->deleteLater();
            commandEngine = nullptr;
        }
        notifyLocked([this] { emit connectionFailed(); });
        return;
    }
    state = Connecting;
    notifyLocked([this] { emit connectionStateChanged(Connecting, 0); });
}

void DeviceEngine::runCommandLocked()
{
    if (!commandEngine || !creator)
        return;
    currentCode = request.code;
    const int code = currentCode;
    Command* command = creator->create(request);
    bool accepted = false;
    const int result = command ? commandEngine->execute(command, &accepted, replyTimeout)
                               : CommnadEngine::WriteFailed;
    if (result == CommnadEngine::Written) {
        engState = WaitingForCommand;
        return;
    }
    engState = Idle;
    Command* failed = accepted ? commandEngine->takeCommand() : command;
    if (handler)
        notifyLocked([this, failed, code] { handler->onSendFailed(failed, code); });
    release(failed);
    // An identification that cannot even be written ends the attempt.
    if (state == Connecting)
        disconnectWithReasonLocked(ConnectingFailed);
}

void DeviceEngine::onCommandFinished(int status)
{
    {
        QMutexLocker lock(&operationLock);
        if (!fromCurrentEngine())
            return;
        Command* command = commandEngine->takeCommand();
        if (!command)
            return;
        release(command); // deleted later: the handler still sees it below
        const bool echo = creator && creator->isEcho(command);
        const int previous = engState;
        const int code = currentCode;
        const bool ok = status == Command::StatusOk;
        engState = Idle;
        if (echo && previous == WaitingForEcho) {
            if (!ok)
                disconnectWithReasonLocked(state == Connecting ? ConnectingFailed : EchoFailed);
            else if (deferred) {
                deferred = false;
                runScheduledLocked();
            }
        } else if (!ok && state == Connecting) {
            disconnectWithReasonLocked(ConnectingFailed);
        } else if (abandoned) {
            // Nobody waits for its outcome; the next command may.
            abandoned = false;
            if (deferred) {
                deferred = false;
                runScheduledLocked();
            }
        } else if (handler) {
            if (ok)
                notifyLocked([this, command, code] { handler->onCommandOk(command, code); });
            else
                notifyLocked(
                    [this, command, code, status] { handler->onFailed(command, code, status); });
        }
    }
    flushNotices();
}

void DeviceEngine::onEchoTimer()
{
    bool sent = false;
    bool connected = false;
    {
        QMutexLocker lock(&operationLock);
        QMutexLocker flags(&flagsLock);
        connected = commandEngine && state == Connected;
        if (echoEnabled && echoAllowed && connected && engState == Idle && pending == OpNone
            && !uploading) {
            sendEchoLocked();
            sent = true;
        }
    }
    flushNotices();
    // After an echo the timer waits for data (onReceivedSomething).
    if (!sent && connected)
        echoTimer.start();
}

void DeviceEngine::sendEchoLocked()
{
    Command* echo = creator ? creator->createEcho() : nullptr;
    if (!echo)
        return;
    bool accepted = false;
    const int result = commandEngine->execute(echo, &accepted, replyTimeout);
    if (result == CommnadEngine::Written) {
        engState = WaitingForEcho;
        return;
    }
    engState = Idle;
    release(accepted ? commandEngine->takeCommand() : echo);
    if (result == CommnadEngine::WriteFailed)
        disconnectWithReasonLocked(EchoFailed);
}

void DeviceEngine::onReceivedSomething() { echoTimer.start(); }

void DeviceEngine::onInterfaceReady()
{
    QMutexLocker lock(&operationLock);
    if (!fromCurrentEngine() || state != Connecting || !creator)
        return;
    request = creator->deviceInfoRequest();
    pending = OpCommand;
    emit operationScheduled();
}

void DeviceEngine::onInterfaceFailed()
{
    {
        QMutexLocker lock(&operationLock);
        if (!fromCurrentEngine())
            return;
        disconnectWithReasonLocked(state == Connecting ? ConnectingFailed : InterfaceLost);
    }
    flushNotices();
}

void DeviceEngine::uploadFirmwareLocked()
{
    if (!commandEngine || !firmware)
        return;
    uploader.setUseBootloader(true);
    uploader.setFirmwareFile(firmware);
    uploader.setInterface(commandEngine->interface());
    uploader.setLogger(commandEngine->logger());
    uploaderConnections << connect(&uploader, &IFirmwareUploader::uploadFinished, this,
                                   &DeviceEngine::fwUploadFinished)
                        << connect(&uploader, &IFirmwareUploader::uploadProgress, this,
                                   &DeviceEngine::fwUploadProgress)
                        << connect(&uploader, &IFirmwareUploader::uploadState, this,
                                   &DeviceEngine::fwUploadState)
                        // Queued: the uploader may finish inside upload(), under this lock.
                        << connect(&uploader, &IFirmwareUploader::uploadFinished, this,
                                   &DeviceEngine::onFirmwareUploaderFinished, Qt::QueuedConnection);
    commandEngine->stopReading();
    uploading = true;
    bool allowed;
    {
        QMutexLocker flags(&flagsLock);
        allowed = echoAllowed;
        echoAllowed = false;
    }
    echoTimer.stop();
    uploader.upload();
    QMutexLocker flags(&flagsLock);
    echoAllowed = allowed;
}

void DeviceEngine::onFirmwareUploaderFinished()
{
    {
        QMutexLocker lock(&operationLock);
        if (!uploading)
            return;
        uploading = false;
        for (const QMetaObject::Connection& connection : qAsConst(uploaderConnections))
            disconnect(connection);
        uploaderConnections.clear();
        firmware = nullptr;
        // The device has left its normal mode: every upload ends the connection.
        disconnectWithReasonLocked(Requested);
    }
    flushNotices();
}

void DeviceEngine::disconnectWithReasonLocked(int reason)
{
    if (!commandEngine)
        return;
    // Ends a running upload now; its queued finish then only cleans up.
    if (uploading)
        uploader.abort();
    if (Command* held = commandEngine->takeCommand()) {
        const bool echo = creator && creator->isEcho(held);
        const int code = currentCode;
        if (!echo && handler && !abandoned)
            notifyLocked([this, code] { handler->onAborted(code); });
        release(held);
    }
    disconnect(commandEngine, nullptr, this, nullptr);
    commandEngine->closeInterface();
    commandEngine->deleteLater();
    commandEngine = nullptr;
    info = DeviceInfo();
    deferred = false;
    abandoned = false;
    pending = OpNone;
    engState = Idle;
    rawText.clear();
    echoTimer.stop();
    if (state != Disconnected) {
        state = Disconnected;
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
        echoTimer.start();
    else
        QMetaObject::invokeMethod(&echoTimer, QOverload<>::of(&QTimer::start),
                                  Qt::QueuedConnection);
}

bool DeviceEngine::fromCurrentEngine() const { return commandEngine && sender() == commandEngine; }

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
            QMutexLocker lock(&operationLock);
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
