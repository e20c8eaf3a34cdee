#include "ui/TimeWidgetWrapper.h"

#include <QTimeEdit>

namespace Common {
namespace Widgets {

void TimeWidgetWrapper::setValue(const QVariant& value)
{
    auto* edit = editor<QTimeEdit>();
    if (edit && value.userType() == QMetaType::QTime)
        edit->setTime(value.toTime());
}

QVariant TimeWidgetWrapper::value() const
{
    const auto* edit = editor<QTimeEdit>();
    return edit ? QVariant(edit->time()) : QVariant();
}

} // namespace Widgets
} // namespace Common
