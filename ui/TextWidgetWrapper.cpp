#include "ui/TextWidgetWrapper.h"

#include <QLineEdit>

namespace Common {
namespace Widgets {

void TextWidgetWrapper::setValue(const QVariant& value)
{
    auto* edit = editor<QLineEdit>();
    if (edit && value.userType() == QMetaType::QString)
        edit->setText(value.toString());
}

QVariant TextWidgetWrapper::value() const
{
    const auto* edit = editor<QLineEdit>();
    return edit ? QVariant(edit->text()) : QVariant();
}

} // namespace Widgets
} // namespace Common
