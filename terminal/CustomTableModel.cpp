#include "terminal/CustomTableModel.h"

namespace Common {

CustomTableModel::CustomTableModel(int columnCount, QObject* parent)
    : QAbstractTableModel(parent), m_header(columnCount), m_columnCount(qMax(columnCount, 0))
{ }

CustomTableModel::~CustomTableModel() { qDeleteAll(m_records); }

int CustomTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_shown >= 0 ? m_shown : m_records.size();
}

int CustomTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columnCount;
}

QVariant CustomTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= m_columnCount)
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role == Qt::DisplayRole)
        return m_records.at(index.row())->value(index.column());
    return QVariant();
}

QVariant CustomTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return m_header.data(section, orientation, role, rowCount());
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
    const int shown = rowCount();
    if (shown > 0)
        beginRemoveRows(QModelIndex(), 0, shown - 1);
    qDeleteAll(m_records);
    m_records.clear();
    if (m_shown > 0)
        m_shown = 0;
    if (shown > 0)
        endRemoveRows();
}

void CustomTableModel::appendRecord(CustomTableRecord* record)
{
    if (!record)
        return;
    if (m_shown >= 0) {
        m_records.append(record);
        return;
    }
    const int row = m_records.size();
    beginInsertRows(QModelIndex(), row, row);
    m_records.append(record);
    endInsertRows();
}

void CustomTableModel::beginAppending()
{
    if (m_shown < 0)
        m_shown = m_records.size();
}

void CustomTableModel::endAppending()
{
    if (m_shown < 0)
        return;
    if (m_shown == m_records.size()) {
        m_shown = -1;
        return;
    }
    beginInsertRows(QModelIndex(), m_shown, m_records.size() - 1);
    m_shown = -1;
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
    endAppending();
    beginInsertRows(QModelIndex(), row, row);
    m_records.insert(row, record);
    endInsertRows();
    return true;
}

void CustomTableModel::refresh()
{
    const int rows = rowCount();
    if (rows == 0 || m_columnCount == 0)
        return;
    emit dataChanged(index(0, 0), index(rows - 1, m_columnCount - 1));
}

} // namespace Common
