#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace Common {

using MetaDataPairs = QList<QPair<QString, QString>>;

// Makes the (key, value) pairs of a file's metadata block, in file order.
class IMetaDataCreator
{
public:
    virtual ~IMetaDataCreator() = default;
    virtual MetaDataPairs create() = 0;
};

} // namespace Common
