#pragma once

#include <QPixmap>

namespace Common {

// Gives a picture of itself (the plot for the report).
class IPixmapGettable
{
public:
    virtual ~IPixmapGettable() = default;
    virtual QPixmap getPixmap() = 0;
};

} // namespace Common
