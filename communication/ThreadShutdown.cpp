#include "communication/ThreadShutdown.h"

#include <QDebug>
#include <QThread>

bool quitThreadWithin(QThread* thread, int ms, const QString& what)
{
    thread->quit();
    if (thread->wait(ms))
        return true;
    qWarning().noquote() << what << "did not end in time at shut-down and is left running";
    return false;
}
