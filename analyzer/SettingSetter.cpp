#include "analyzer/SettingSetter.h"

#include "analyzer/CommandCodes.h"
#include "analyzer/NDryer.h"
#include "analyzer/SettingsCodec.h"
#include "analyzer/SignalFollowing.h"

namespace KD {
namespace Communication {

namespace {
const int operationWriteCurrent = 1;
const int done = 0;
} // namespace

SettingSetter::SettingSetter(NDryer* dryer, QObject* parent) : QObject(parent), m_dryer(dryer) { }

void SettingSetter::set(const DryingSettings& settings)
{
    m_settings = settings;
    listen(true);
    if (!send(Code::SetMainTemperature))
        end(false);
}

void SettingSetter::abort() { listen(false); }

OperationError SettingSetter::errorInfo() const
{
    return OperationError(operationWriteCurrent, 0, m_current);
}

void SettingSetter::commandLoop(int result, int command)
{
    // An outcome queued before an abort still arrives after it, and only
    // the command just sent is this operation's.
    if (!m_listening || command != m_current)
        return;
    if (result != 1) {
        end(false);
        return;
    }

    const int next = nextCode(command);
    if (next == done)
        end(true);
    else if (!send(next))
        end(false);
}

int SettingSetter::nextCode(int code) const
{
    switch (code) {
    case Code::SetDryingProfile:
        switch (m_settings.dryingProfile()) {
        case DryingProfile::Slow: return Code::SetSlowTime;
        case DryingProfile::Step: return Code::SetStepTime1;
        case DryingProfile::Fast: return Code::SetFastTime;
        default: return done;
        }
    case Code::SetSlowTime:
    case Code::SetStepTemperature2:
    case Code::SetFastTemperature: return done;
    default: return code + 1;
    }
}

bool SettingSetter::send(int code)
{
    m_current = code;
    return m_dryer->sendCommandInt(code, encodeSetting(m_settings, code));
}

void SettingSetter::end(bool success)
{
    listen(false);
    emit finished(success);
}

void SettingSetter::listen(bool on)
{
    m_listening = on;
    followSignal(m_dryer, &NDryer::commandFinished, this, &SettingSetter::commandLoop, on);
}

} // namespace Communication
} // namespace KD
