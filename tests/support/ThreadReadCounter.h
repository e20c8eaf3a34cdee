#pragma once

#include <QtGlobal>

// The bytes this thread has read through the kernel since the counter was
// made: what a loader really took from a file, however it opens and buffers
// it, so a test can tell "refused before reading" from "read, then refused"
// without a clock. Linux keeps the count (/proc/thread-self/io); bytes() is
// -1 where it cannot be had.
class ThreadReadCounter
{
public:
    ThreadReadCounter();

    qint64 bytes() const;

private:
    qint64 m_start;
};
