#pragma once

#include <QMap>
#include <QString>

// How the filter bar filters one column: the kind of row and, for an
// enumeration, the stored values with their shown texts.
struct ColumnFilterKind
{
    enum Kind { Number = 0, Text = 1, Date = 2, Time = 3, InOut = 4, Enumeration = 5 };

    int kind = Text;
    QMap<int, QString> values;
};
