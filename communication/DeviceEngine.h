#pragma once

#include "communication/CommandRequest.h"
#include "communication/IDevice.h"
#include "communication/IDeviceInfoHandler.h"
#include "communication/StandardFirmwareUploader.h"

#include <QMetaObject>
#include <QMutex>
#include <QTimer>

#include <functional>
#include <vector>

class FirmwareFile;

namespace Common {
namespace Communication {

class Command;
class CommandCreator;
class CommandHandler;
class ILineHandler;

// The one way to the connected device. Requests come from any thread; the
// engine keeps one pending operation under its operation lock and runs it
// on its own (communication) thread, where it drives the command engine of
// the open connection: identification hand-shake, commands, raw lines,
// keep-alive echo and firmware upload.
//
// Locks: the operation lock guards the operation, states, device
// information and the notices; the flags lock the echo switches. Where both
// are held the operation lock is taken first, then the flags lock (an upload
// starting, the echo timer); nothing takes them the other way round. Private
// helpers named *Locked expect the operation lock to be held by the caller.
// Handler calls and signals are noted under the operation lock and run on
// this object's thread after it is released.
class DeviceEngine : public IDevice, public IDeviceInfoHandler
{
    Q_OBJECT

public:
    enum EngineState { Idle = 0, WaitingForCommand = 1, WaitingForEcho = 2 };
    enum Operation {
        OpConnect = 0,
        OpDisconnect = 1,
        OpCommand = 2,
        OpRawText = 3,
        OpFirmwareUpload = 4,
        OpNone = 5
    };

    explicit DeviceEngine(QObject* parent = nullptr);
    ~DeviceEngine() override;

    // From another thread the engine is taken on this object's thread, before
    // any request made after the call runs.
    void setCommandEngine(CommnadEngine* engine) override;
    void requestDisconnect() override;
    void requestConnect() override;
    DeviceInfo deviceInfo() override;
    void setDeviceInfo(DeviceInfo info) override;

    // Each returns at once; false when refused (not connected, busy, or
    // another operation pending).
    bool scheduleCommand(CommandRequest request);
    bool sendString(QString text);
    bool scheduleFirmwareUpload(FirmwareFile* image);
    // The operation that scheduled the pending or running command has given
    // up: a pending command is withdrawn, a running one runs out without an
    // outcome, and the next command waits for it instead of being refused.
    void abandonCommand();

    void setLineHandler(ILineHandler* handler) { m_lineHandler = handler; }
    void setCommandCreator(CommandCreator* creator) { m_creator = creator; }
    void setCommandHandler(CommandHandler* handler);
    void setEchoEnabled(bool enabled);

    // Quiet time before the keep-alive echo.
    void setEchoInterval(int ms);
    // Reply time-out of every command; negative: the command engine's default.
    void setReplyTimeout(int ms);
    StandardFirmwareUploader& firmwareUploader() { return m_uploader; }

    int connectionState();
    int engineState();

signals:
    void operationScheduled();
    void fwUploadFinished(int result);
    void fwUploadProgress(int percent);
    void fwUploadState(int state);

public slots:
    void onScheduledOperation();
    void onCommandFinished(int status);
    void onEchoTimer();
    void onReceivedSomething();
    void onInterfaceReady();
    void onInterfaceFailed();
    void onFirmwareUploaderFinished();

private:
    void runScheduledLocked();
    void connectLocked();
    void runCommandLocked();
    void sendEchoLocked();
    void uploadFirmwareLocked();
    void disconnectWithReasonLocked(int reason);
    void releaseCommandEngineLocked();
    void release(Command* command);
    void restartEchoTimer();
    bool fromCurrentEngine() const;
    // Handler calls and signals noted under the operation lock run after it
    // is released: a handler may call back into the engine.
    void notifyLocked(std::function<void()> notice);
    // Runs the noted calls on this object's thread, without the lock.
    void flushNotices();

    ILineHandler* m_lineHandler = nullptr;
    CommnadEngine* m_commandEngine = nullptr;
    StandardFirmwareUploader m_uploader;
    QList<QMetaObject::Connection> m_uploaderConnections;
    CommandCreator* m_creator = nullptr;
    CommandHandler* m_handler = nullptr;
    QTimer m_echoTimer;
    DeviceInfo m_info;
    CommandRequest m_request;
    QString m_rawText;
    FirmwareFile* m_firmware = nullptr;
    int m_currentCode = 0;
    int m_replyTimeout = -1;
    // A command waits for the running echo or abandoned command to end.
    bool m_deferred = false;
    bool m_abandoned = false;
    bool m_uploading = false;
    std::vector<std::function<void()>> notices;

    QMutex m_operationLock;
    QMutex m_flagsLock;
    int m_state = Disconnected;
    int m_pending = OpNone;
    int m_engState = Idle;
    bool m_echoEnabled = false;
    bool m_echoAllowed = true;
};

} // namespace Communication
} // namespace Common
