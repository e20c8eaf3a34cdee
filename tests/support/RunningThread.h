#pragma once

#include <QThread>

// A thread that runs for as long as the object lives: the communication
// thread of a test.
class RunningThread : public QThread
{
public:
    RunningThread() { start(); }
    ~RunningThread() override
    {
        quit();
        wait();
    }
};
