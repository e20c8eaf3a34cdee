#pragma once

#include "settings/CalcFormula.h"
#include "settings/DryingProfile.h"
#include "settings/IParsable.h"
#include "settings/WorkMode.h"

#include <QJsonValue>

namespace KD {
namespace Json {

// An enumeration given by its name as a JSON string. A non-string leaves the
// target untouched; an unknown name is stored as the lookup's unknown value
// and fails.
template <typename T, T (*fromName)(const QString&), T unknown>
class EnumNameTypeParser : public Common::Json::GenericTypeParser<T>
{
public:
    using Common::Json::GenericTypeParser<T>::GenericTypeParser;

    bool parse(const QJsonValue& value) override
    {
        if (!value.isString())
            return false;
        *this->m_target = fromName(value.toString());
        return *this->m_target != unknown;
    }
};

using WorkModeTypeParser =
    EnumNameTypeParser<WorkMode::Type, WorkMode::fromName, WorkMode::Unknown>;
using CalcFormulaTypeParser =
    EnumNameTypeParser<CalcFormula::Type, CalcFormula::fromName, CalcFormula::Unknown>;
using DryingProfileTypeParser =
    EnumNameTypeParser<DryingProfile::Type, DryingProfile::fromName, DryingProfile::Unknown>;

} // namespace Json
} // namespace KD
