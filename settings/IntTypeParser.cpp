#include "settings/IntTypeParser.h"

#include <QJsonValue>

#include <cmath>
#include <limits>

namespace Common {
namespace Json {

bool wholeNumber(const QJsonValue& value, int* number)
{
    *number = 0;
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    if (std::floor(d) != d || d < std::numeric_limits<int>::min()
        || d > std::numeric_limits<int>::max())
        return false;
    *number = static_cast<int>(d);
    return true;
}

bool IntTypeParser::parse(const QJsonValue& value) { return wholeNumber(value, m_target); }

} // namespace Json
} // namespace Common
