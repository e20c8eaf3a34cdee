#pragma once

namespace KD {

class ITabDrying;

// A part of the drying page's wiring that drives the page once it exists.
class ITdTabReceiver
{
public:
    virtual ~ITdTabReceiver() = default;
    virtual void setTab(ITabDrying* tab) = 0;
};

} // namespace KD
