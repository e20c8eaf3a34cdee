#include "communication/VornLogRecord.h"

VornLogRecord::VornLogRecord(const QString& interface, const QDateTime& when,
                             const QString& message)
    : interface(interface), date(when.date()), time(when.time()), message(message)
{ }

VornLogRecord::VornLogRecord(const QString& interface, const QString& message)
    : VornLogRecord(interface, QDateTime::currentDateTime(), message)
{ }

void registerVornLogRecordType() { qRegisterMetaType<VornLogRecord>("VornLogRecord"); }
