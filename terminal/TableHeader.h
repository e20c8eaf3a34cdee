#pragma once

#include <QStringList>
#include <QVariant>
#include <QVector>

namespace Common {

// Horizontal header state shared by the table models: a display label and a
// user value per column; vertical sections number the rows from 1.
class TableHeader
{
public:
    enum class Change { Refused, Stored, LabelChanged };

    explicit TableHeader(int columnCount);

    QVariant data(int section, Qt::Orientation orientation, int role, int rowCount) const;
    // The caller emits headerDataChanged on LabelChanged.
    Change setData(int section, Qt::Orientation orientation, const QVariant& value, int role);

    QStringList labels() const { return m_labels; }
    QStringList userValues() const;

private:
    QStringList m_labels;
    QVector<QVariant> m_userValues;
};

} // namespace Common
