#include "ui/FileUtil.h"

#include "ui/IFilePathGetter.h"
#include "ui/IFileWrapper.h"
#include "ui/IMessageBoxesFileOperation.h"

#include <utility>

namespace Common {

FileUtil::FileUtil(IMessageBoxesFileOperation* messages, std::shared_ptr<IFileWrapper> wrapper,
                   std::shared_ptr<IFilePathGetter> pathGetter)
    : m_messages(messages), m_wrapper(std::move(wrapper)), m_pathGetter(std::move(pathGetter))
{ }

bool FileUtil::prepare()
{
    const QString path = m_pathGetter->getPath();
    if (path.isEmpty())
        return false;
    if (m_wrapper->open(path))
        return true;
    m_messages->showFileOpenError();
    return false;
}

QIODevice* FileUtil::device() { return m_wrapper->device(); }

bool FileUtil::close() { return m_wrapper->close(); }

} // namespace Common
