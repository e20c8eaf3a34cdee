#include "ui/DateWidgetWrapper.h"

#include <QDateEdit>

namespace Common {
namespace Widgets {

void DateWidgetWrapper::setValue(const QVariant& value)
{
    auto* edit = editor<QDateEdit>();
    if (edit && value.userType() == QMetaType::QDate)
        edit->setDate(value.toDate());
}

QVariant DateWidgetWrapper::value() const
{
    const auto* edit = editor<QDateEdit>();
    return edit ? QVariant(edit->date()) : QVariant();
}

} // namespace Widgets
} // namespace Common
