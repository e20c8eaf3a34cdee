#pragma once

#include "ui/TranslationListGetter.h"

#include <QString>

// What kind of filter row one log column gets, with the data of that kind.
struct LogColumnFilterSpec
{
    enum Kind : qint32 {
        Number = 0,
        Text = 1,
        Time = 2,
        Date = 3,
        Enumeration = 4,
        YesNo = 5,
        None = 6
    };

    qint32 kind = None;
    qint32 floating = 0; // 0 integer bounds, otherwise floating-point bounds
    qint64 intMin = -1000;
    qint64 intMax = 1000;
    double doubleMin = -10000.0;
    double doubleMax = 10000.0;
    QString dateFormat;
    QString timeFormat;
    TranslationListGetter entries;

    static LogColumnFilterSpec integerNumber();
    static LogColumnFilterSpec integerNumber(qint64 min, qint64 max);
    static LogColumnFilterSpec floatingNumber();
    static LogColumnFilterSpec floatingNumber(double min, double max);
    static LogColumnFilterSpec text();
    static LogColumnFilterSpec yesNo();
    static LogColumnFilterSpec date(const QString& displayFormat);
    static LogColumnFilterSpec time(const QString& displayFormat);
    static LogColumnFilterSpec enumeration(const TranslationListGetter& entries);
};
