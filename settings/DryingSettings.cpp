#include "settings/DryingSettings.h"

#include "settings/ProfileFields.h"

bool DryingSettings::operator==(const DryingSettings& other) const
{
    if (m_dryingProfile != other.m_dryingProfile)
        return false;

    for (const ProfileFields::Field& field : ProfileFields::of(m_dryingProfile).fields) {
        if (!field.equal(*this, other))
            return false;
    }

    return m_mainTemperature == other.m_mainTemperature && m_workMode == other.m_workMode
           && m_calcFormula == other.m_calcFormula && m_samplesQuantity == other.m_samplesQuantity
           && m_samplingTime == other.m_samplingTime && m_dryingTime == other.m_dryingTime;
}
