#pragma once

#include <QMetaType>
#include <QString>
#include <QVariantList>

// A piece of an SQL WHERE condition with "?" placeholders and the values bound
// to them in order. Typed text only ever reaches the database as a bound value.
struct SqlCondition
{
    QString text;
    QVariantList values;

    bool isEmpty() const { return text.isEmpty(); }
};

Q_DECLARE_METATYPE(SqlCondition)
