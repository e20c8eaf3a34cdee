#pragma once

#include <QString>

namespace KD {

// The drying page's text that says where the shown parameter set came from.
class ITdSourceLabelHandler
{
public:
    enum Kind { None = 0, Slot = 1, Database = 2 };

    virtual ~ITdSourceLabelHandler() = default;
    virtual void setLoaded(int kind, const QString& name) = 0;
    virtual void setLoadingFromSlot(int slotNumber) = 0;
    virtual void setLoadingFromDatabase(const QString& name) = 0;
    virtual void clear() = 0;
};

} // namespace KD
