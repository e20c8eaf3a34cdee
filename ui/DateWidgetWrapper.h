#pragma once

#include "ui/WidgetWrapper.h"

namespace Common {
namespace Widgets {

// Wraps a QDateEdit; values of any type but QDate are ignored.
class DateWidgetWrapper : public WidgetWrapper
{
    Q_OBJECT

public:
    DateWidgetWrapper() = default;

    void setValue(const QVariant& value) override;
    QVariant value() const override;
};

} // namespace Widgets
} // namespace Common
