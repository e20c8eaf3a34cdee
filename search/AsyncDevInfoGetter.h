#pragma once

#include "communication/CInterface.h"
#include "communication/CommnadEngine.h"
#include "communication/ConnectionInfo.h"
#include "communication/DeviceInfo.h"

#include <QObject>
#include <QTimer>

namespace Common {
namespace Communication {

class Command;
class ILogger;
class ISearchCommandCreator;
class ServersManager;

// How long a probe waits: for each echo reply, and after a complete
// identification before it reports success (the interface stays open in
// that time, so a device that drops the line is not reported).
struct ProbeTimings
{
    int echoTimeoutMs = 300;
    int successDelayMs = 1000;
};

// Asks one candidate connection whether an analyzer answers there: opens the
// interface, sends an echo, an optional extra command, a second echo and the
// identification, and ends with exactly one finished(). Used once.
class AsyncDevInfoGetter : public QObject
{
    Q_OBJECT

public:
    enum State {
        NotStarted = 0,
        Opening = 1,
        FirstEcho = 2,
        ExtraCommand = 3,
        SecondEcho = 4,
        Identification = 5,
        Finished = 6
    };
    enum Result {
        NoParticularReason = 0,
        NoAnswerToInfo = 1,
        NoAnswerToEcho = 2,
        NotOpened = 3,
        NotSent = 4
    };

    AsyncDevInfoGetter(ISearchCommandCreator* creator, ILogger* logger, int variant,
                       const ConnectionInfo& target, QObject* parent = nullptr);

    void setServersManager(ServersManager* manager) { m_serversManager = manager; }
    void setEchoTimeout(int ms) { m_echoTimeout = ms; }
    void setSuccessDelay(int ms) { m_successTimer.setInterval(ms); }
    void setTimings(const ProbeTimings& timings);

    void start();

    int result() const { return m_result; }
    DeviceInfo deviceInfo() const { return m_deviceInfo; }
    ConnectionInfo connectionInfo() const { return m_target; }
    QString interfaceDescription() const;

signals:
    void finished(bool success);

private slots:
    void onCommandFinished(int status);
    void onInterfaceReady();
    void onInterfaceFailed();
    void onDeferredSuccessTimer();

private:
    // Sends a step's command; a missing or unsent one fails the probe.
    void execute(Command* command, State state);
    void sendSecondEcho();
    void fail(int result);
    void finish(bool success);

    CommnadEngine m_engine;
    ISearchCommandCreator* m_creator;
    ILogger* m_logger;
    ServersManager* m_serversManager = nullptr;
    int m_echoTimeout = ProbeTimings().echoTimeoutMs;
    int m_variant;
    int m_state = NotStarted;
    DeviceInfo m_deviceInfo;
    ConnectionInfo m_target;
    QTimer m_successTimer;
    int m_result = NoParticularReason;
};

} // namespace Communication
} // namespace Common
