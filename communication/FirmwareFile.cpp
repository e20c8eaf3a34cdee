#include "communication/FirmwareFile.h"

QByteArray FirmwareFile::currentLine() const
{
    if (m_cursor < 0 || m_cursor >= m_lines.size())
        return QByteArray();
    return m_lines.at(m_cursor);
}

bool FirmwareFile::next()
{
    if (m_cursor + 1 >= m_lines.size())
        return false;
    ++m_cursor;
    return true;
}

void FirmwareFile::clear()
{
    m_lines.clear();
    m_cursor = 0;
}
