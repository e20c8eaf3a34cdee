#include "settings/DryingProfile.h"

namespace DryingProfile {

namespace {
const char* const names[] = {"Standard", "Slow", "Step", "Fast", "Spec"};
}

QString name(int profile)
{
    if (profile < Standard || profile > Spec)
        return QStringLiteral("Unknown");
    return QLatin1String(names[profile]);
}

Type fromName(const QString& text)
{
    for (int p = Standard; p <= Spec; ++p) {
        if (text == QLatin1String(names[p]))
            return static_cast<Type>(p);
    }
    return Unknown;
}

int toDeviceValue(int profile) { return fromDeviceValue(profile); }

Type fromDeviceValue(int value)
{
    return (value >= Slow && value <= Spec) ? static_cast<Type>(value) : Standard;
}

} // namespace DryingProfile
