#pragma once

#include "ui/WidgetWrapper.h"

namespace Common {
namespace Widgets {

// Wraps a QTimeEdit; values of any type but QTime are ignored.
class TimeWidgetWrapper : public WidgetWrapper
{
    Q_OBJECT

public:
    TimeWidgetWrapper() = default;

    void setValue(const QVariant& value) override;
    QVariant value() const override;
};

} // namespace Widgets
} // namespace Common
