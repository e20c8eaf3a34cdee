#pragma once

#include <QDate>
#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QTime>

// One logged piece of text written to or read from a device.
struct VornLogRecord
{
    VornLogRecord() = default;
    VornLogRecord(const QString& interface, const QDateTime& when, const QString& message);
    // Stamped with the current date and time.
    VornLogRecord(const QString& interface, const QString& message);

    QString interface; // the interface's description of itself
    QDate date;
    QTime time;
    QString message;
};

Q_DECLARE_METATYPE(VornLogRecord)

// Registers VornLogRecord under its name for queued connections.
void registerVornLogRecordType();
