#include "ui/AbstractFileWrapper.h"

namespace Common {

bool AbstractFileWrapper::close()
{
    if (!m_file.isOpen())
        return true;
    // QFile::close() drops a failed flush silently; ask first, and remember
    // any write that already failed while the caller wrote.
    const bool flushed = !m_file.isWritable() || m_file.flush();
    const bool ok = flushed && m_file.error() == QFileDevice::NoError;
    m_file.close();
    return ok;
}

QIODevice* AbstractFileWrapper::device() { return &m_file; }

} // namespace Common
