#pragma once

#include <QSaveFile>

// A file written beside its target that takes the target's place only when
// every byte reached the disk. QSaveFile alone puts a file that a full disk
// cut short in place: it takes a short write, and a buffer whose flush failed
// at commit, for success.
class CheckedSaveFile : public QSaveFile
{
public:
    using QSaveFile::QSaveFile;

    // Replaces the target with what was written, when all of it was; else
    // removes the written file and leaves the target as it was, and is false.
    bool commitComplete();
    // Removes the written file; the target stays as it was.
    void discard();

protected:
    qint64 writeData(const char* data, qint64 length) override;

private:
    bool m_incomplete = false;
};
