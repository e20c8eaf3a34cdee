#pragma once

#include <QString>
#include <QTime>

// Times of day as the devices, the settings database and the parameter-set
// files count them. They wrap at 24 hours as QTime does.
int timeToSeconds(const QTime& time);
QTime secondsToTime(int seconds);
QTime msecsToTime(int msecs);
QString timeToMinutesText(const QTime& time); // "mm:ss"
QString timeToText(const QTime& time); // "HH:mm:ss"
QString msecsToTimeText(int msecs, const QString& format);
