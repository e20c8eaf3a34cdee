#pragma once

#include "terminal/AbstractNumericFilterWidget.h"

#include <QDate>

class QDateTimeEdit;

namespace Common {
namespace Filters {

// Date bounds, from six months back to today; makes a DateFilter.
class DateFilterWidget : public AbstractNumericFilterWidget
{
    Q_OBJECT

public:
    DateFilterWidget(NFiltersTrProvider* provider, const QDate& today = QDate::currentDate(),
                     QWidget* parent = nullptr);

    IFilter* createFilter() const override;
    void setDisplayFormat(const QString& format);
    QDateTimeEdit* fromEditor() const { return m_from; }
    QDateTimeEdit* toEditor() const { return m_to; }

protected:
    void clampFrom() override;
    void clampTo() override;

private:
    QDateTimeEdit* m_from;
    QDateTimeEdit* m_to;
};

} // namespace Filters
} // namespace Common
