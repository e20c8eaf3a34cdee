#pragma once

#include "terminal/AbstractNumericFilterWidget.h"

#include <QTime>

class QTimeEdit;

namespace Common {
namespace Filters {

// Time bounds, two hours either side of now; makes a TimeFilter.
class TimeFilterWidget : public AbstractNumericFilterWidget
{
    Q_OBJECT

public:
    TimeFilterWidget(NFiltersTrProvider* provider, const QTime& now = QTime::currentTime(),
                     QWidget* parent = nullptr);

    IFilter* createFilter() const override;
    void setDisplayFormat(const QString& format);
    QTimeEdit* fromEditor() const { return m_from; }
    QTimeEdit* toEditor() const { return m_to; }

protected:
    void clampFrom() override;
    void clampTo() override;

private:
    QTimeEdit* m_from;
    QTimeEdit* m_to;
};

} // namespace Filters
} // namespace Common
