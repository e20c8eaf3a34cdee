#include "ui/WriteFileWrapper.h"

namespace Common {

bool WriteFileWrapper::open(const QString& path)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadWrite | QIODevice::Text))
        return false;
    return m_file.resize(0);
}

} // namespace Common
