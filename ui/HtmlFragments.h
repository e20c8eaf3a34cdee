#pragma once

#include <QString>

// Small builders for the rich texts of message boxes.
QString htmlTag(const QString& tag, const QString& text);
QString htmlLi(const QString& text);
QString htmlUl(const QString& text);
QString htmlTt(const QString& text);
QString htmlCenter(const QString& text);
// "<br>" n times, at least once.
QString htmlBreaks(int n);
