#include "communication/FirmwareFile.h"

QByteArray FirmwareFile::currentLine() const
{
    if (cursor < 0 || cursor >= lines.size())
        return QByteArray();
    return lines.at(cursor);
}

bool FirmwareFile::next()
{
    if (cursor + 1 >= lines.size())
        return false;
    ++cursor;
    return true;
}

void FirmwareFile::clear()
{
    lines.clear();
    cursor = 0;
}
