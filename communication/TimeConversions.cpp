#include "communication/TimeConversions.h"

int timeToSeconds(const QTime& time)
{
    // Hours, minutes and seconds; an invalid time counts as 0 rather than
    // the -3661 its -1 fields would give.
    return time.msecsSinceStartOfDay() / 1000;
}

QTime secondsToTime(int seconds) { return QTime(0, 0).addSecs(seconds); }

QTime msecsToTime(int msecs) { return QTime(0, 0).addMSecs(msecs); }

QString timeToMinutesText(const QTime& time) { return time.toString(QStringLiteral("mm:ss")); }

QString timeToText(const QTime& time) { return time.toString(QStringLiteral("HH:mm:ss")); }

QString msecsToTimeText(int msecs, const QString& format)
{
    return msecsToTime(msecs).toString(format);
}
