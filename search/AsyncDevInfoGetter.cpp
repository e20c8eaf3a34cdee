#include "search/AsyncDevInfoGetter.h"

#include "communication/CommandDevInfo.h"
#include "communication/CommandEcho.h"
#include "communication/InterfaceFactory.h"
#include "search/ISearchCommandCreator.h"

namespace Common {
namespace Communication {

AsyncDevInfoGetter::AsyncDevInfoGetter(ISearchCommandCreator* creator, ILogger* logger, int variant,
                                       const ConnectionInfo& target, QObject* parent)
    : QObject(parent), m_engine(this), m_creator(creator), m_logger(logger), m_variant(variant),
      m_target(target), m_successTimer(this)
{
    m_engine.setLogger(logger);
    m_successTimer.setSingleShot(true);
    m_successTimer.setInterval(ProbeTimings().successDelayMs);
    // Queued: each step runs on a later turn of the loop, never inside the
    // engine's own emission.
    connect(&m_engine, &CommnadEngine::commandFinished, this,
            &AsyncDevInfoGetter::onCommandFinished, Qt::QueuedConnection);
    connect(&m_engine, &CommnadEngine::interfaceReady, this, &AsyncDevInfoGetter::onInterfaceReady,
            Qt::QueuedConnection);
    connect(&m_engine, &CommnadEngine::interfaceFailed, this,
            &AsyncDevInfoGetter::onInterfaceFailed, Qt::QueuedConnection);
    connect(&m_successTimer, &QTimer::timeout, this, &AsyncDevInfoGetter::onDeferredSuccessTimer);
}

void AsyncDevInfoGetter::setTimings(const ProbeTimings& timings)
{
    setEchoTimeout(timings.echoTimeoutMs);
    setSuccessDelay(timings.successDelayMs);
}

QString AsyncDevInfoGetter::interfaceDescription() const
{
    CInterface* interface = m_engine.interface();
    return interface ? interface->description() : QString();
}

void AsyncDevInfoGetter::start()
{
    InterfaceFactory factory;
    factory.setServersManager(m_serversManager);
    m_engine.setInterface(factory.create(m_target));
    if (!m_engine.openInterface()) {
        fail(NotOpened);
        return;
    }
    m_state = Opening;
}

void AsyncDevInfoGetter::onInterfaceReady()
{
    if (m_state == Finished)
        return;
    if (m_state != Opening) {
        fail(NoParticularReason);
        return;
    }
    execute(m_creator->createEchoCommand(m_variant), FirstEcho);
}

void AsyncDevInfoGetter::execute(Command* command, State state)
{
    if (!command) {
        // The creator has no command for this step and variant: nothing can
        // be asked, so the probe cannot succeed.
        fail(NotSent);
        return;
    }
    const bool echo = state == FirstEcho || state == SecondEcho;
    bool accepted = false;
    const int outcome = m_engine.execute(command, &accepted, echo ? m_echoTimeout : -1);
    if (outcome == CommnadEngine::Written) {
        m_state = state;
        return;
    }
    if (accepted)
        m_engine.takeCommand();
    command->setParent(this);
    command->deleteLater();
    fail(NotSent);
}

void AsyncDevInfoGetter::sendSecondEcho()
{
    execute(m_creator->createEchoCommand(m_variant), SecondEcho);
}

void AsyncDevInfoGetter::onCommandFinished(int status)
{
    Command* command = m_engine.takeCommand();
    if (command) {
        command->setParent(this);
        command->deleteLater();
    }
    if (m_state == Finished)
        return;
    auto* echo = qobject_cast<CommandEcho*>(command);
    switch (m_state) {
    case FirstEcho:
        // Any line at all shows something listens at this rate.
        if (!echo)
            fail(NoParticularReason);
        else if (!echo->gotReply())
            fail(NoAnswerToEcho);
        else if (Command* extra = m_creator->createExtraCommand(m_variant))
            execute(extra, ExtraCommand);
        else
            sendSecondEcho();
        return;
    case ExtraCommand: sendSecondEcho(); return;
    case SecondEcho:
        if (!echo)
            fail(NoParticularReason);
        else if (status == Command::StatusOk && echo->isMatched())
            execute(m_creator->createInfoCommand(m_variant), Identification);
        else
            fail(NoAnswerToEcho);
        return;
    case Identification: {
        if (status == Command::StatusFailed) {
            fail(NoAnswerToInfo);
            return;
        }
        auto* info = qobject_cast<CommandDevInfo*>(command);
        if (!info || !info->hasDeviceInfo()) {
            fail(NoParticularReason);
            return;
        }
        m_deviceInfo = info->deviceInfo();
        m_successTimer.start();
        return;
    }
    default: fail(NoParticularReason);
    }
}

void AsyncDevInfoGetter::onInterfaceFailed() { fail(NoParticularReason); }

void AsyncDevInfoGetter::onDeferredSuccessTimer()
{
    if (m_state != Finished)
        finish(true);
}

void AsyncDevInfoGetter::fail(int result)
{
    if (m_state == Finished)
        return;
    m_result = result;
    finish(false);
}

void AsyncDevInfoGetter::finish(bool success)
{
    m_successTimer.stop();
    m_engine.closeInterface();
    m_state = Finished;
    emit finished(success);
}

} // namespace Communication
} // namespace Common
