#include "ui/FileUtilFactory.h"

#include "ui/FileUtil.h"
#include "ui/LoadFilePathGetter.h"
#include "ui/ReadFileWrapper.h"
#include "ui/SaveFilePathGetter.h"
#include "ui/WriteFileWrapper.h"

namespace Common {

FileUtilFactory::FileUtilFactory(IMessageBoxesFileOperation* messages) : m_messages(messages) { }

std::unique_ptr<IFileUtil> FileUtilFactory::createSaveUtil(const QString& context, int fileType)
{
    return std::make_unique<FileUtil>(m_messages, std::make_shared<WriteFileWrapper>(),
                                      std::make_shared<SaveFilePathGetter>(context, fileType));
}

std::unique_ptr<IFileUtil> FileUtilFactory::createLoadUtil(const QString& context, int fileType)
{
    return std::make_unique<FileUtil>(m_messages, std::make_shared<ReadFileWrapper>(),
                                      std::make_shared<LoadFilePathGetter>(context, fileType));
}

} // namespace Common
