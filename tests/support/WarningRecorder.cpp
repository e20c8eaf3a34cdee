#include "tests/support/WarningRecorder.h"

#include <QMutex>

namespace {

// Guards the active recorder against a message from another thread while
// the recorder goes; a message on its way then is passed on unrecorded.
QMutex activeLock;
WarningRecorder* active = nullptr;
QtMessageHandler passOn = nullptr;

} // namespace

WarningRecorder::WarningRecorder()
{
    QMutexLocker lock(&activeLock);
    active = this;
    passOn = qInstallMessageHandler(record);
}

WarningRecorder::~WarningRecorder()
{
    QMutexLocker lock(&activeLock);
    qInstallMessageHandler(passOn);
    active = nullptr;
}

QStringList WarningRecorder::warnings() const
{
    QMutexLocker lock(&activeLock);
    return m_warnings;
}

void WarningRecorder::record(QtMsgType type, const QMessageLogContext& context,
                             const QString& message)
{
    QtMessageHandler next = nullptr;
    {
        QMutexLocker lock(&activeLock);
        if (active && type != QtDebugMsg && type != QtInfoMsg)
            active->m_warnings << message;
        next = passOn;
    }
    next(type, context, message);
}
