#pragma once

#include "terminal/AbstractNumericFilterWidget.h"

class QDoubleSpinBox;

namespace Common {
namespace Filters {

// Floating-point bounds; makes a DoubleFilter.
class NumericFilterWidget : public AbstractNumericFilterWidget
{
    Q_OBJECT

public:
    NumericFilterWidget(NFiltersTrProvider* provider, double min, double max,
                        QWidget* parent = nullptr);

    IFilter* createFilter() const override;
    QDoubleSpinBox* fromEditor() const { return m_from; }
    QDoubleSpinBox* toEditor() const { return m_to; }

protected:
    void clampFrom() override;
    void clampTo() override;

private:
    QDoubleSpinBox* m_from;
    QDoubleSpinBox* m_to;
};

} // namespace Filters
} // namespace Common
