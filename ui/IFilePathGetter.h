#pragma once

#include <QString>

namespace Common {

class IFilePathGetter
{
public:
    virtual ~IFilePathGetter() = default;
    // "" when the user cancelled.
    virtual QString getPath() = 0;
};

} // namespace Common
