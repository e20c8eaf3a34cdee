#pragma once

namespace Common {
namespace Widgets {

class Item;

// Makes grid rows whose value column holds an editor of a given kind.
class IItemCreator
{
public:
    virtual ~IItemCreator() = default;
    // A new row; the caller owns the item, the grid's layout its widgets.
    virtual Item* create(int editorKind) = 0;
    virtual int labelColumn() const = 0;
    virtual int valueColumn() const = 0;
};

} // namespace Widgets
} // namespace Common
