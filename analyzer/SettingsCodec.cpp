#include "analyzer/SettingsCodec.h"

#include "analyzer/CommandCodes.h"
#include "communication/TimeConversions.h"

namespace KD {
namespace Communication {

int encodeSetting(const DryingSettings& s, int setCode)
{
    switch (setCode) {
    case Code::SetMainTemperature: return s.mainTemperature();
    case Code::SetWorkMode: return WorkMode::toDeviceValue(s.workMode());
    case Code::SetCalcFormula: return CalcFormula::toIndex(s.calcFormula());
    case Code::SetSamplesQuantity: return s.samplesQuantity();
    case Code::SetSamplingTime: return s.samplingTime();
    case Code::SetDryingTime: return timeToSeconds(s.dryingTime());
    case Code::SetDryingProfile: return DryingProfile::toDeviceValue(s.dryingProfile());
    case Code::SetSlowTime: return timeToSeconds(s.slowTime());
    case Code::SetStepTime1: return timeToSeconds(s.stepTime1());
    case Code::SetStepTime2: return timeToSeconds(s.stepTime2());
    case Code::SetStepTemperature1: return s.stepTemperature1();
    case Code::SetStepTemperature2: return s.stepTemperature2();
    case Code::SetFastTime: return timeToSeconds(s.fastTime());
    case Code::SetFastTemperature: return s.fastTemperature();
    default: return 0;
    }
}

void decodeSetting(DryingSettings& s, int loadCode, const QVariant& response)
{
    // A double (temperature) converts rounded to the nearest integer.
    const int v = response.toInt();
    switch (loadCode) {
    case Code::LoadMainTemperature: s.setMainTemperature(v); break;
    case Code::LoadWorkMode: s.setWorkMode(WorkMode::fromDeviceValue(v)); break;
    case Code::LoadCalcFormula: s.setCalcFormula(CalcFormula::fromIndex(v)); break;
    case Code::LoadSamplesQuantity: s.setSamplesQuantity(v); break;
    case Code::LoadSamplingTime: s.setSamplingTime(v); break;
    case Code::LoadDryingTime: s.setDryingTime(secondsToTime(v)); break;
    case Code::LoadDryingProfile: s.setDryingProfile(DryingProfile::fromDeviceValue(v)); break;
    case Code::LoadSlowTime: s.setSlowTime(secondsToTime(v)); break;
    case Code::LoadStepTime1: s.setStepTime1(secondsToTime(v)); break;
    case Code::LoadStepTime2: s.setStepTime2(secondsToTime(v)); break;
    case Code::LoadStepTemperature1: s.setStepTemperature1(v); break;
    case Code::LoadStepTemperature2: s.setStepTemperature2(v); break;
    case Code::LoadFastTime: s.setFastTime(secondsToTime(v)); break;
    case Code::LoadFastTemperature: s.setFastTemperature(v); break;
    default: break;
    }
}

} // namespace Communication
} // namespace KD
