#pragma once

#include "ui/IFileUtil.h"

#include <memory>

namespace Common {

class IFilePathGetter;
class IFileWrapper;
class IMessageBoxesFileOperation;

class FileUtil : public IFileUtil
{
public:
    FileUtil(IMessageBoxesFileOperation* messages, std::shared_ptr<IFileWrapper> wrapper,
             std::shared_ptr<IFilePathGetter> pathGetter);

    bool prepare() override;
    QIODevice* device() override;
    bool close() override;

private:
    IMessageBoxesFileOperation* m_messages;
    std::shared_ptr<IFileWrapper> m_wrapper;
    std::shared_ptr<IFilePathGetter> m_pathGetter;
};

} // namespace Common
