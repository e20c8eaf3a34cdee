#include "terminal/TableHeader.h"

namespace Common {

TableHeader::TableHeader(int columnCount) : m_userValues(qMax(columnCount, 0))
{
    for (int i = 1; i <= columnCount; ++i)
        m_labels << QString::number(i);
}

QVariant TableHeader::data(int section, Qt::Orientation orientation, int role, int rowCount) const
{
    if (section < 0)
        return QVariant();
    if (orientation == Qt::Horizontal) {
        if (role == Qt::UserRole)
            return m_userValues.value(section);
        if (role == Qt::DisplayRole && section < m_labels.size())
            return m_labels.at(section);
        return QVariant();
    }
    if (role == Qt::DisplayRole && section < rowCount)
        return section + 1;
    return QVariant();
}

TableHeader::Change TableHeader::setData(int section, Qt::Orientation orientation,
                                         const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_labels.size())
        return Change::Refused;
    if (role == Qt::UserRole) {
        m_userValues[section] = value;
        return Change::Stored;
    }
    if (role == Qt::DisplayRole && value.type() == QVariant::String) {
        m_labels[section] = value.toString();
        return Change::LabelChanged;
    }
    return Change::Refused;
}

QStringList TableHeader::userValues() const
{
    QStringList texts;
    texts.reserve(m_userValues.size());
    for (const QVariant& v : m_userValues)
        texts << v.toString();
    return texts;
}

} // namespace Common
