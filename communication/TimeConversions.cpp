#include "communication/TimeConversions.h"

int timeToSeconds(const QTime &time)
{
    // Hours, minutes and seconds; an invalid time counts as 0 rather than
    // the -3661 its -1 fields would give.
    return time.msecsSinceStartOfDay() / 1000;
}

QTime secondsToTime(int seconds)
{
    return QTime(0, 0).addSecs(seconds);
}
