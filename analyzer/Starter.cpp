#include "analyzer/Starter.h"

#include "analyzer/CommandCodes.h"
#include "analyzer/NDryer.h"
#include "analyzer/SignalFollowing.h"

namespace KD {
namespace Communication {

namespace {
const int operationStart = 8;
const int operationStop = 9;
} // namespace

Starter::Starter(NDryer* dryer, QObject* parent) : QObject(parent), m_dryer(dryer) { }

bool Starter::start() { return send(true); }

bool Starter::stop() { return send(false); }

bool Starter::send(bool starting)
{
    m_starting = starting;
    // Listen before scheduling: the outcome may come back at once.
    listen(true);
    const bool accepted = starting ? m_dryer->startDrying() : m_dryer->stopDrying();
    if (!accepted)
        listen(false);
    return accepted;
}

void Starter::abort() { listen(false); }

OperationError Starter::errorInfo() const
{
    return OperationError(m_starting ? operationStart : operationStop, 0, 0);
}

void Starter::onCommandFinished(int result, int command)
{
    const int own = m_starting ? Code::StartDrying : Code::StopDrying;
    if (command != own)
        return;
    listen(false);
    if (result != 1)
        emit error();
}

void Starter::onDryingStart()
{
    // A successful start produces no commandFinished; the drying start decides it.
    if (m_starting)
        listen(false);
}

void Starter::listen(bool on)
{
    followSignal(m_dryer, &NDryer::commandFinished, this, &Starter::onCommandFinished, on);
    followSignal(m_dryer, &NDryer::dryingStart, this, &Starter::onDryingStart, on);
}

} // namespace Communication
} // namespace KD
