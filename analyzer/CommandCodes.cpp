#include "analyzer/CommandCodes.h"

namespace KD {
namespace Communication {

QString wireMnemonic(int code)
{
    struct Range
    {
        int first;
        int last;
        const char* prefix;
    };
    static const Range ranges[] = {
        {Code::SetMainTemperature, Code::CopySlotToCurrent, "Su"},
        {Code::LoadMainTemperature, Code::LoadDryingProfile, "Sd"},
        {Code::SetSlowTime, Code::SetFastTemperature, "Sp"},
        {Code::LoadSlowTime, Code::LoadFastTemperature, "Sv"},
    };
    for (const Range& r : ranges) {
        if (code >= r.first && code <= r.last)
            return QLatin1String(r.prefix) + QString::number(code - r.first);
    }
    return QString();
}

} // namespace Communication
} // namespace KD
