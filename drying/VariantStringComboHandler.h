#pragma once

#include <QString>
#include <QVariant>

#include "drying/IDataHandler.h"

namespace Common {
namespace DataHandlers {

// Turns a text, a date or a time into text for a target set later. Other
// types, a date-time among them, leave the target unchanged.
class VariantStringComboHandler : public IDataHandler<QVariant>
{
public:
    VariantStringComboHandler(const QString& timeFormat, const QString& dateFormat,
                              const QString& dateTimeFormat);

    void setTarget(QString* target);
    void set(const QVariant& value) override;

private:
    QString m_timeFormat;
    QString m_dateFormat;
    QString m_dateTimeFormat;
    QString* m_target = nullptr;
};

} // namespace DataHandlers
} // namespace Common
