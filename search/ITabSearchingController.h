#pragma once

namespace Common {

class ITabSearching;

// What the search page asks of its controller.
class ITabSearchingController
{
public:
    virtual ~ITabSearchingController() = default;
    virtual void startSearch() = 0;
    virtual void stopSearch() = 0;
    virtual void setTab(ITabSearching* tab) = 0;
    virtual void onSelectionChanged() = 0;
    virtual void onTabShown() = 0;
    virtual void connectDevice(int row) = 0;
    virtual void disconnectDevice() = 0;
    virtual void openSearchSettings() = 0;
};

} // namespace Common
