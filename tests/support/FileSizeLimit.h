#pragma once

#include <QtGlobal>

#include <csignal>
#include <sys/resource.h>

// While it lives, every write of this process beyond `bytes` into any file
// fails (EFBIG), as on a full disk; no root needed. Writes to pipes, such as
// the test's own output under ctest, are not limited.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();

    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old;
    void (*m_oldHandler)(int);
};
