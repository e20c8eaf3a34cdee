#pragma once

#include <QString>
#include <QVector>

namespace Common {
namespace CSV {
namespace MetaData {

// Which values a file's metadata block holds, in file order, and their keys.
class IMetaDataInfo
{
public:
    virtual ~IMetaDataInfo() = default;
    virtual QVector<int> ids() const = 0;
    virtual QString key(int id) const = 0;
};

} // namespace MetaData
} // namespace CSV
} // namespace Common
