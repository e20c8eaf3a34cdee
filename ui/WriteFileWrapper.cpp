#include "ui/WriteFileWrapper.h"

namespace Common {

bool WriteFileWrapper::open(const QString& path)
{
    m_saveFile.setFileName(path);
    return m_saveFile.open(QIODevice::WriteOnly | QIODevice::Text);
}

bool WriteFileWrapper::close() { return !m_saveFile.isOpen() || m_saveFile.commitComplete(); }

QIODevice* WriteFileWrapper::device() { return &m_saveFile; }

} // namespace Common
