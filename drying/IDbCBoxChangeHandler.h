#pragma once

#include <QString>

namespace KD {

// Told of the drying page's choice of a stored parameter set; index 0 is the
// empty first entry.
class IDbCBoxChangeHandler
{
public:
    virtual ~IDbCBoxChangeHandler() = default;
    virtual void onDbComboChange(int index, const QString& name) = 0;
};

} // namespace KD
