#pragma once

#include <QStringList>

namespace Common {
namespace CSV {

// Hands out the data rows of a file being written, one at a time.
class ILineIterator
{
public:
    virtual ~ILineIterator() = default;
    // The next row; an empty list when none is left.
    virtual QStringList next() = 0;
    virtual bool hasNext() const = 0;
};

} // namespace CSV
} // namespace Common
