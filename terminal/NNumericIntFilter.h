#pragma once

#include "terminal/AbstractNumericFilterWidget.h"

class QSpinBox;

namespace Common {
namespace Filters {

// Integer bounds; makes an Int32Filter.
class NNumericIntFilter : public AbstractNumericFilterWidget
{
    Q_OBJECT

public:
    // Bounds beyond 32 bits are cut to what the editors hold.
    NNumericIntFilter(NFiltersTrProvider* provider, qint64 min, qint64 max,
                      QWidget* parent = nullptr);

    IFilter* createFilter() const override;
    QSpinBox* fromEditor() const { return m_from; }
    QSpinBox* toEditor() const { return m_to; }

protected:
    void clampFrom() override;
    void clampTo() override;

private:
    QSpinBox* m_from;
    QSpinBox* m_to;
};

} // namespace Filters
} // namespace Common
