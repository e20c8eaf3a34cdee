#pragma once

#include "settings/IParsable.h"

namespace Common {
namespace Json {

// The value as a whole 32-bit number; 0 and false for anything else
// (a string, 99.5, a number beyond the 32-bit range).
bool wholeNumber(const QJsonValue& value, int* number);

// Writes the value's integer whatever its kind (0 when it is none) and
// succeeds only for a JSON number that is whole, so 99.5 is refused
// rather than read as 0.
class IntTypeParser : public GenericTypeParser<int>
{
public:
    using GenericTypeParser<int>::GenericTypeParser;
    bool parse(const QJsonValue& value) override;
};

} // namespace Json
} // namespace Common
