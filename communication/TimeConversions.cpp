#include "communication/TimeConversions.h"

int timeToSeconds(const QTime &time)
{
    return time.hour() * 3600 + time.minute() * 60 + time.second();
}

QTime secondsToTime(int seconds)
{
    return QTime(0, 0).addSecs(seconds);
}
