#include "settings/ProfileFields.h"

#include "communication/TimeConversions.h"

namespace ProfileFields {

namespace {

Field timeField(const char* column, const char* jsonKey, QTime (DryingSettings::*get)() const,
                void (DryingSettings::*set)(const QTime&))
{
    return {column, jsonKey, get, set, nullptr, nullptr};
}

Field temperatureField(const char* column, const char* jsonKey, int (DryingSettings::*get)() const,
                       void (DryingSettings::*set)(int))
{
    return {column, jsonKey, nullptr, nullptr, get, set};
}

} // namespace

int Field::stored(const DryingSettings& settings) const
{
    return isTime() ? timeToSeconds((settings.*time)()) : (settings.*number)();
}

void Field::setStored(DryingSettings& settings, int value) const
{
    if (isTime())
        (settings.*setTime)(secondsToTime(value));
    else
        (settings.*setNumber)(value);
}

bool Field::equal(const DryingSettings& a, const DryingSettings& b) const
{
    return isTime() ? (a.*time)() == (b.*time)() : (a.*number)() == (b.*number)();
}

const Profile& of(DryingProfile::Type profile)
{
    using S = DryingSettings;
    static const Profile none{nullptr, {}};
    // A Slow set's file keeps its slow time under "DryingTime".
    static const Profile slow{"SLOW_PROFILES",
                              {timeField("Time", "DryingTime", &S::slowTime, &S::setSlowTime)}};
    static const Profile step{"STEP_PROFILES",
                              {temperatureField("Temperature1", "StepTemp1", &S::stepTemperature1,
                                                &S::setStepTemperature1),
                               timeField("Time1", "StepTime1", &S::stepTime1, &S::setStepTime1),
                               temperatureField("Temperature2", "StepTemp2", &S::stepTemperature2,
                                                &S::setStepTemperature2),
                               timeField("Time2", "StepTime2", &S::stepTime2, &S::setStepTime2)}};
    static const Profile fast{"FAST_PROFILES",
                              {temperatureField("Temperature", "FastTemperature",
                                                &S::fastTemperature, &S::setFastTemperature),
                               timeField("Time", "FastTime", &S::fastTime, &S::setFastTime)}};
    switch (profile) {
    case DryingProfile::Slow: return slow;
    case DryingProfile::Step: return step;
    case DryingProfile::Fast: return fast;
    default: return none;
    }
}

} // namespace ProfileFields
