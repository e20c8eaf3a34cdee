#include "drying/Item.h"

namespace Common {
namespace Widgets {

void Item::resize(int cellCount) { m_cells.fill(nullptr, qMax(0, cellCount)); }

void Item::setCell(int column, QWidget* widget)
{
    if (column >= 0 && column < m_cells.size())
        m_cells[column] = widget;
}

QWidget* Item::cell(int column) const { return m_cells.value(column, nullptr); }

} // namespace Widgets
} // namespace Common
