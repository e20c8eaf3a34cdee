#include "ui/CheckedSaveFile.h"

bool CheckedSaveFile::commitComplete()
{
    if (!isOpen())
        return false;
    // The buffer's last flush is where a full disk shows most often.
    if (!flush() || m_incomplete || error() != NoError) {
        discard();
        return false;
    }
    return commit();
}

void CheckedSaveFile::discard()
{
    if (!isOpen())
        return;
    cancelWriting();
    commit(); // a cancelled commit only removes the written file
}

qint64 CheckedSaveFile::writeData(const char* data, qint64 length)
{
    const qint64 written = QSaveFile::writeData(data, length);
    if (written != length)
        m_incomplete = true;
    return written;
}
