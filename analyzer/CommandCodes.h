#pragma once

#include <QString>

namespace KD {
namespace Communication {

// Command codes of the analyzer, as carried by a CommandRequest.
namespace Code {
enum : int {
    Echo = 35,
    DeviceInfo = 36,
    StartDrying = 98,
    StopDrying = 99,
    SetMainTemperature = 100,
    SetWorkMode = 101,
    SetCalcFormula = 102,
    SetSamplesQuantity = 103,
    SetSamplingTime = 104,
    SetDryingTime = 105,
    SetDryingProfile = 106,
    CopyCurrentToSlot = 107,
    CopySlotToCurrent = 108,
    LoadMainTemperature = 110,
    LoadWorkMode = 111,
    LoadCalcFormula = 112,
    LoadSamplesQuantity = 113,
    LoadSamplingTime = 114,
    LoadDryingTime = 115,
    LoadDryingProfile = 116,
    SetSlowTime = 117,
    SetStepTime1 = 118,
    SetStepTime2 = 119,
    SetStepTemperature1 = 120,
    SetStepTemperature2 = 121,
    SetFastTime = 122,
    SetFastTemperature = 123,
    LoadSlowTime = 124,
    LoadStepTime1 = 125,
    LoadStepTime2 = 126,
    LoadStepTemperature1 = 127,
    LoadStepTemperature2 = 128,
    LoadFastTime = 129,
    LoadFastTemperature = 130,
};

inline bool isSetInt(int code)
{
    return (code >= SetMainTemperature && code <= CopySlotToCurrent)
           || (code >= SetSlowTime && code <= SetFastTemperature);
}

inline bool isLoad(int code)
{
    return (code >= LoadMainTemperature && code <= LoadDryingProfile)
           || (code >= LoadSlowTime && code <= LoadFastTemperature);
}
} // namespace Code

// Mnemonic written before the value for codes 100..108 and 110..130 ("Su0",
// "Sd3", ...); empty for every other code, whose lines are fixed in their
// command classes.
QString wireMnemonic(int code);

} // namespace Communication
} // namespace KD
