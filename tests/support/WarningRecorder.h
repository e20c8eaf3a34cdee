#pragma once

#include <QStringList>
#include <QtGlobal>

// Records the warnings (and worse) given on any thread while it lives, and
// passes every message on to the handler it replaced, so the test log still
// shows them. For checks that something was not complained about, such as a
// bounded wait that did not run out. One at a time.
class WarningRecorder
{
public:
    WarningRecorder();
    ~WarningRecorder();

    WarningRecorder(const WarningRecorder&) = delete;
    WarningRecorder& operator=(const WarningRecorder&) = delete;

    QStringList warnings() const;

private:
    static void record(QtMsgType type, const QMessageLogContext& context, const QString& message);

    QStringList m_warnings;
};
