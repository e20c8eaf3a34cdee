#include "drying/VariantStringComboHandler.h"

#include <QDate>
#include <QTime>

namespace Common {
namespace DataHandlers {

VariantStringComboHandler::VariantStringComboHandler(const QString& timeFormat,
                                                     const QString& dateFormat,
                                                     const QString& dateTimeFormat)
    : m_timeFormat(timeFormat), m_dateFormat(dateFormat), m_dateTimeFormat(dateTimeFormat)
{ }

void VariantStringComboHandler::setTarget(QString* target) { m_target = target; }

void VariantStringComboHandler::set(const QVariant& value)
{
    if (!m_target)
        return;
    switch (value.userType()) {
    case QMetaType::QString: *m_target = value.toString(); break;
    case QMetaType::QDate: *m_target = value.toDate().toString(m_dateFormat); break;
    case QMetaType::QTime: *m_target = value.toTime().toString(m_timeFormat); break;
    default: break;
    }
}

} // namespace DataHandlers
} // namespace Common
