#include "ui/WidgetWrapper.h"

namespace Common {
namespace Widgets {

void WidgetWrapper::setWidget(QWidget* widget) { m_widget = widget; }

QWidget* WidgetWrapper::widget() const { return m_widget; }

void WidgetWrapper::setValue(const QVariant&) { }

QVariant WidgetWrapper::value() const { return QVariant(); }

} // namespace Widgets
} // namespace Common
