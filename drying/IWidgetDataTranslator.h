#pragma once

namespace Common {
namespace Widgets {

class ItemGrid;

// Fills a grid of rows from some data and writes the edited rows back.
class IWidgetDataTranslator
{
public:
    virtual ~IWidgetDataTranslator() = default;
    virtual void setGrid(ItemGrid* grid) = 0;
    virtual void build() = 0;
    virtual void save() = 0;
};

} // namespace Widgets
} // namespace Common
