#include "analyzer/SettingLoader.h"

#include "analyzer/CommandCodes.h"
#include "analyzer/NDryer.h"
#include "analyzer/SettingsCodec.h"
#include "analyzer/SignalFollowing.h"

namespace KD {
namespace Communication {

namespace {
const int operationReadCurrent = 2;
const int done = 0;
} // namespace

SettingLoader::SettingLoader(NDryer* dryer, QObject* parent) : QObject(parent), m_dryer(dryer) { }

void SettingLoader::load()
{
    listen(true);
    m_current = Code::LoadMainTemperature;
    if (!m_dryer->sendCommand(m_current))
        end(false);
}

void SettingLoader::abort() { listen(false); }

OperationError SettingLoader::errorInfo() const
{
    return OperationError(operationReadCurrent, 0, m_current);
}

void SettingLoader::commandLoop(int result, int command, QVariant response)
{
    // An outcome queued before an abort still arrives after it, and only
    // the command just sent is this operation's.
    if (!m_listening || command != m_current)
        return;
    if (result != 1) {
        end(false);
        return;
    }

    decodeSetting(m_settings, command, response);
    const int next = nextCode(command);
    if (next == done) {
        end(true);
        return;
    }
    m_current = next;
    if (!m_dryer->sendCommand(next))
        end(false);
}

int SettingLoader::nextCode(int code) const
{
    switch (code) {
    case Code::LoadDryingProfile:
        switch (m_settings.dryingProfile()) {
        case DryingProfile::Slow: return Code::LoadSlowTime;
        case DryingProfile::Step: return Code::LoadStepTime1;
        case DryingProfile::Fast: return Code::LoadFastTime;
        default: return done;
        }
    case Code::LoadSlowTime:
    case Code::LoadStepTemperature2:
    case Code::LoadFastTemperature: return done;
    default: return code + 1;
    }
}

void SettingLoader::end(bool success)
{
    listen(false);
    emit finished(success);
}

void SettingLoader::listen(bool on)
{
    m_listening = on;
    followSignal(m_dryer, &NDryer::commandFinished, this, &SettingLoader::commandLoop, on);
}

} // namespace Communication
} // namespace KD
