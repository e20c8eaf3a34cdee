#pragma once

#include "settings/AbstractFilter.h"

#include <QMap>

class QComboBox;

// A column of stored enumeration values, equal to the chosen one.
class EnumFilter : public AbstractFilter
{
    Q_OBJECT

public:
    // values: stored value to shown text, listed in ascending stored value.
    EnumFilter(const QString& columnName, int index, FiltersTrProvider* provider, QWidget* parent,
               const QString& title, const QMap<int, QString>& values);

    SqlCondition whereClause() const override;

private slots:
    void onIdxChanged();

private:
    QComboBox* m_values;
    QVector<int> m_stored;
};
