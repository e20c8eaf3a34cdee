#include "settings/QTimeTypeParser.h"

#include "communication/TimeConversions.h"
#include "settings/IntTypeParser.h"

namespace KD {
namespace Json {

bool QTimeTypeParser::parse(const QJsonValue& value)
{
    int seconds = 0;
    if (!Common::Json::wholeNumber(value, &seconds))
        return false;
    *m_target = secondsToTime(seconds);
    return true;
}

} // namespace Json
} // namespace KD
