#pragma once

class QTableView;

namespace Common {

namespace Filters {
class FilterWidgetNew;
}

// How the terminal page drives the communication log behind its table.
class ILogWidgetManager
{
public:
    virtual ~ILogWidgetManager() = default;
    virtual void setTableView(QTableView* view) = 0;
    virtual void setFilterWidget(Filters::FilterWidgetNew* filterWidget) = 0;
    virtual void initColumns() = 0;
    // Lines joined at CR LF (true) or the pieces as they came (false).
    virtual void setFormatMode(bool formatted) = 0;
    virtual void exportRaw() = 0;
    virtual void exportFormatted() = 0;
    virtual void clear() = 0;
};

} // namespace Common
