#pragma once

#include <QVector>

namespace Common {
namespace Communication {

class ISearchCommandCreator;

// What the search may do, as seven one-byte flags.
struct SearchOptions
{
    quint8 unused1 = 0;
    quint8 networkSearch = 0;
    quint8 allowBluetooth = 0;
    quint8 allowFtdi = 0;
    quint8 allowTibbo = 0;
    quint8 allowOther = 0;
    quint8 unused7 = 0;
};

// What the device search tries and offers; the product implements it.
class ISearchInfo
{
public:
    virtual ~ISearchInfo() = default;
    // Baud rates to try, in order.
    virtual QVector<int> baudRates() = 0;
    virtual SearchOptions searchOptions() = 0;
    virtual QVector<int> commandVariants() = 0;
    virtual int networkVariant() { return -1; }
    // Whether a device found with this variant ends the port's search.
    virtual bool stopOnFound(int variant) { return true; }
    virtual bool variantMajorOrder() { return false; }
    virtual ISearchCommandCreator* commandCreator() = 0;
};

} // namespace Communication
} // namespace Common
