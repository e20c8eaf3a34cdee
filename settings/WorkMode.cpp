#include "settings/WorkMode.h"

namespace WorkMode {

QString name(int mode)
{
    switch (mode) {
    case Short: return QStringLiteral("Short");
    case Time: return QStringLiteral("Time");
    default: return QStringLiteral("Unknown");
    }
}

Type fromName(const QString& text)
{
    if (text == QLatin1String("Short"))
        return Short;
    if (text == QLatin1String("Time"))
        return Time;
    return Unknown;
}

int toDeviceValue(int mode) { return mode == Time ? 1 : 0; }

Type fromDeviceValue(int value) { return value == 1 ? Time : Short; }

} // namespace WorkMode
