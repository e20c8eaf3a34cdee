#pragma once

#include "ui/WidgetWrapper.h"

namespace Common {
namespace Widgets {

// Wraps a QLineEdit; values of any type but QString are ignored.
class TextWidgetWrapper : public WidgetWrapper
{
    Q_OBJECT

public:
    TextWidgetWrapper() = default;

    void setValue(const QVariant& value) override;
    QVariant value() const override;
};

} // namespace Widgets
} // namespace Common
