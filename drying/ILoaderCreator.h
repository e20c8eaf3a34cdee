#pragma once

#include <QString>

#include <memory>

namespace Common {
namespace CSV {

class CSVLoader;
class ICSVLineHandler;

class ILoaderCreator
{
public:
    virtual ~ILoaderCreator() = default;
    virtual std::shared_ptr<CSVLoader> create(ICSVLineHandler* handler, const QString& context,
                                              bool readMetaData) = 0;
};

} // namespace CSV
} // namespace Common
