#pragma once

#include "settings/IParsable.h"

#include <QTime>

namespace KD {
namespace Json {

// A time stored as whole seconds; anything but a whole number leaves the
// target untouched and fails.
class QTimeTypeParser : public Common::Json::GenericTypeParser<QTime>
{
public:
    using GenericTypeParser<QTime>::GenericTypeParser;
    bool parse(const QJsonValue& value) override;
};

} // namespace Json
} // namespace KD
