#pragma once

#include "ui/IFileUtilFactory.h"

namespace Common {

class IMessageBoxesFileOperation;

class FileUtilFactory : public IFileUtilFactory
{
public:
    explicit FileUtilFactory(IMessageBoxesFileOperation* messages);

    std::unique_ptr<IFileUtil> createSaveUtil(const QString& context, int fileType) override;
    std::unique_ptr<IFileUtil> createLoadUtil(const QString& context, int fileType) override;

private:
    IMessageBoxesFileOperation* m_messages;
};

} // namespace Common
