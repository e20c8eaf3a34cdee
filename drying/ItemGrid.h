#pragma once

#include <memory>
#include <vector>

class QGridLayout;

namespace Common {
namespace Widgets {

class Item;

// Rows of a grid layout, each an item whose cell c goes into column c. The
// grid owns the items; the layout's widget owns their widgets.
class ItemGrid
{
public:
    explicit ItemGrid(QGridLayout* layout);
    ~ItemGrid();

    ItemGrid(const ItemGrid&) = delete;
    ItemGrid& operator=(const ItemGrid&) = delete;

    // Takes the item and appends it as the next row.
    void addItem(Item* item);
    int count() const { return int(m_items.size()); }
    // Null outside 0 .. count-1.
    Item* item(int row) const;
    QGridLayout* layout() const { return m_layout; }

private:
    QGridLayout* m_layout;
    std::vector<std::unique_ptr<Item>> m_items;
};

} // namespace Widgets
} // namespace Common
