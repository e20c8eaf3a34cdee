#include "settings/DryingSettings.h"

bool DryingSettings::operator==(const DryingSettings& other) const
{
    if (m_dryingProfile != other.m_dryingProfile)
        return false;

    int usedSlots = 0;
    switch (m_dryingProfile) {
    case DryingProfile::Slow: usedSlots = 1; break;
    case DryingProfile::Step: usedSlots = 4; break;
    case DryingProfile::Fast: usedSlots = 2; break;
    default: break;
    }
    for (int i = 0; i < usedSlots; ++i) {
        if (m_tail[i] != other.m_tail[i])
            return false;
    }

    return m_mainTemperature == other.m_mainTemperature && m_workMode == other.m_workMode
           && m_calcFormula == other.m_calcFormula && m_samplesQuantity == other.m_samplesQuantity
           && m_samplingTime == other.m_samplingTime && m_dryingTime == other.m_dryingTime;
}
