#pragma once

#include <QVector>

class QWidget;

namespace Common {
namespace Widgets {

// One grid row: its cell widgets in column order, null where a column is
// empty. The widgets belong to the grid's layout, not to the item.
class Item
{
public:
    void resize(int cellCount);
    int count() const { return m_cells.size(); }
    // Ignored for a column outside the row.
    void setCell(int column, QWidget* widget);
    QWidget* cell(int column) const;

private:
    QVector<QWidget*> m_cells;
};

} // namespace Widgets
} // namespace Common
