#pragma once

#include <memory>

class QString;

namespace Common {

class IFileUtil;

class IFileUtilFactory
{
public:
    virtual ~IFileUtilFactory() = default;
    virtual std::unique_ptr<IFileUtil> createSaveUtil(const QString& context, int fileType) = 0;
    virtual std::unique_ptr<IFileUtil> createLoadUtil(const QString& context, int fileType) = 0;
};

} // namespace Common
