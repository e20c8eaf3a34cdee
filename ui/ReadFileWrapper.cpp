#include "ui/ReadFileWrapper.h"

namespace Common {

bool ReadFileWrapper::open(const QString& path)
{
    m_file.setFileName(path);
    return m_file.open(QIODevice::ReadOnly | QIODevice::Text);
}

} // namespace Common
