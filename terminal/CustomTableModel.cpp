#include "terminal/CustomTableModel.h"

namespace Common {

CustomTableModel::CustomTableModel(int columnCount, QObject* parent)
    : QAbstractTableModel(parent), m_header(columnCount), m_columnCount(qMax(columnCount, 0))
{ }

CustomTableModel::~CustomTableModel() { qDeleteAll(m_records); }

int CustomTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_records.size();
}

int CustomTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columnCount;
}

QVariant CustomTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_records.size() || index.column() >= m_columnCount)
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role == Qt::DisplayRole)
        return m_records.at(index.row())->value(index.column());
    return QVariant();
}

QVariant CustomTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return m_header.data(section, orientation, role, m_records.size());
}

bool CustomTableModel::setHeaderData(int section, Qt::Orientation orientation,
                                     const QVariant& value, int role)
{
    const TableHeader::Change change = m_header.setData(section, orientation, value, role);
    if (change == TableHeader::Change::LabelChanged)
        emit headerDataChanged(Qt::Horizontal, section, section);
    return change != TableHeader::Change::Refused;
}

void CustomTableModel::clear()
{
    if (m_records.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, m_records.size() - 1);
    qDeleteAll(m_records);
    m_records.clear();
    endRemoveRows();
}

void CustomTableModel::appendRecord(CustomTableRecord* record)
{
    if (!record)
        return;
    const int row = m_records.size();
    beginInsertRows(QModelIndex(), row, row);
    m_records.append(record);
    endInsertRows();
}

bool CustomTableModel::insertRecord(int row, CustomTableRecord* record)
{
    if (!record)
        return false;
    if (row < 0 || row > m_records.size()) {
        delete record;
        return false;
    }
    beginInsertRows(QModelIndex(), row, row);
    m_records.insert(row, record);
    endInsertRows();
    return true;
}

void CustomTableModel::refresh()
{
    if (m_records.isEmpty() || m_columnCount == 0)
        return;
    emit dataChanged(index(0, 0), index(m_records.size() - 1, m_columnCount - 1));
}

} // namespace Common
