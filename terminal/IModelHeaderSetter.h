#pragma once

#include <QString>

namespace Common {

// Sets the text of one horizontal header section of a table.
class IModelHeaderSetter
{
public:
    virtual ~IModelHeaderSetter() = default;
    virtual void setHeader(int section, const QString& text) = 0;
};

} // namespace Common
