#include "drying/ItemGrid.h"

#include <QGridLayout>
#include <QWidget>

#include "drying/Item.h"

namespace Common {
namespace Widgets {

ItemGrid::ItemGrid(QGridLayout* layout) : m_layout(layout) { }

ItemGrid::~ItemGrid() = default;

void ItemGrid::addItem(Item* item)
{
    const int row = count();
    for (int column = 0; column < item->count(); ++column) {
        if (QWidget* widget = item->cell(column))
            m_layout->addWidget(widget, row, column);
    }
    m_layout->setRowStretch(row, 1);
    m_items.emplace_back(item);
}

Item* ItemGrid::item(int row) const
{
    return (row >= 0 && row < count()) ? m_items[size_t(row)].get() : nullptr;
}

} // namespace Widgets
} // namespace Common
