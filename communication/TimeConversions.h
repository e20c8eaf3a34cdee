#pragma once

#include <QTime>

// Times of day as whole seconds, as the settings database and the parameter-set
// files keep them. Times wrap at 24 hours as QTime does.
int timeToSeconds(const QTime &time);
QTime secondsToTime(int seconds);
