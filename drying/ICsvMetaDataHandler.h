#pragma once

#include <QMap>
#include <QString>

namespace Common {
namespace CSV {

// Takes the metadata block of a file once all of its rows were read.
class ICsvMetaDataHandler
{
public:
    virtual ~ICsvMetaDataHandler() = default;
    virtual void handle(const QMap<QString, QString>& metaData) = 0;
    // Whether the file starts with a metadata block.
    virtual bool expectsMetaData() const = 0;
};

} // namespace CSV
} // namespace Common
