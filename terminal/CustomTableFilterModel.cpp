#include "terminal/CustomTableFilterModel.h"

#include <algorithm>
#include <unordered_set>

namespace Common {

CustomTableFilterModel::CustomTableFilterModel(int columnCount, QObject* parent)
    : QAbstractTableModel(parent), m_header(columnCount), m_filters(qMax(columnCount, 0), nullptr),
      m_columnCount(qMax(columnCount, 0))
{ }

CustomTableFilterModel::~CustomTableFilterModel()
{
    qDeleteAll(m_all);
    qDeleteAll(m_filters);
}

int CustomTableFilterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int CustomTableFilterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columnCount;
}

QVariant CustomTableFilterModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= m_columnCount)
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    const CustomTableRecord* rec = record(index.row());
    if (index.column() >= rec->columnCount())
        return QVariant();
    const QVariant value = rec->value(index.column());
    if (value.type() == QVariant::Double)
        return QString::number(value.toDouble(), 'g', 6);
    return value;
}

bool CustomTableFilterModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount()
        || index.column() >= m_columnCount)
        return false;
    if (!record(index.row())->setValue(index.column(), value))
        return false;
    emit dataChanged(index, index, {});
    return true;
}

QVariant CustomTableFilterModel::headerData(int section, Qt::Orientation orientation,
                                            int role) const
{
    return m_header.data(section, orientation, role, rowCount());
}

bool CustomTableFilterModel::setHeaderData(int section, Qt::Orientation orientation,
                                           const QVariant& value, int role)
{
    const TableHeader::Change change = m_header.setData(section, orientation, value, role);
    if (change == TableHeader::Change::LabelChanged)
        emit headerDataChanged(Qt::Horizontal, section, section);
    return change != TableHeader::Change::Refused;
}

Qt::ItemFlags CustomTableFilterModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    // The root is not a cell: views must not try to edit it.
    if (m_editable && index.isValid())
        f |= Qt::ItemIsEditable;
    return f;
}

void CustomTableFilterModel::addRecord(CustomTableRecord* record)
{
    if (!record)
        return;
    m_all.push_back(record);
    if (!accepts(record))
        return;
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    m_shown.push_back(record);
    endInsertRows();
}

void CustomTableFilterModel::addRecords(const QVector<CustomTableRecord*>& records)
{
    std::vector<CustomTableRecord*> shown;
    for (CustomTableRecord* record : records) {
        if (!record)
            continue;
        m_all.push_back(record);
        if (accepts(record))
            shown.push_back(record);
    }
    if (shown.empty())
        return;
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + int(shown.size()) - 1);
    m_shown.insert(m_shown.end(), shown.begin(), shown.end());
    endInsertRows();
}

void CustomTableFilterModel::clear()
{
    const bool announced = !m_shown.empty();
    if (announced)
        beginRemoveRows(QModelIndex(), 0, rowCount() - 1);
    qDeleteAll(m_all);
    m_all.clear();
    m_shown.clear();
    if (announced)
        endRemoveRows();
}

void CustomTableFilterModel::setEditable(bool editable) { m_editable = editable; }

void CustomTableFilterModel::setFilter(int column, Filters::IFilter* filter)
{
    if (column < 0 || column >= m_columnCount) {
        // Refused predicates are owned here too; don't leak them.
        delete filter;
        return;
    }
    delete m_filters[column];
    m_filters[column] = filter;
    refilter();
}

void CustomTableFilterModel::refilter()
{
    if (!m_shown.empty()) {
        beginRemoveRows(QModelIndex(), 0, rowCount() - 1);
        m_shown.clear();
        endRemoveRows();
    }
    std::deque<CustomTableRecord*> shown;
    std::copy_if(m_all.begin(), m_all.end(), std::back_inserter(shown),
                 [this](const CustomTableRecord* r) { return accepts(r); });
    if (shown.empty())
        return;
    beginInsertRows(QModelIndex(), 0, int(shown.size()) - 1);
    m_shown.swap(shown);
    endInsertRows();
}

bool CustomTableFilterModel::accepts(const CustomTableRecord* record) const
{
    for (int c = 0; c < m_filters.size(); ++c) {
        const Filters::IFilter* filter = m_filters.at(c);
        if (!filter)
            continue;
        const QVariant value = c < record->columnCount() ? record->value(c) : QVariant();
        if (!filter->test(value))
            return false;
    }
    return true;
}

void CustomTableFilterModel::removeFirst()
{
    if (m_all.empty())
        return;
    CustomTableRecord* oldest = m_all.front();
    m_all.pop_front();
    if (!m_shown.empty() && m_shown.front() == oldest) {
        beginRemoveRows(QModelIndex(), 0, 0);
        m_shown.pop_front();
        endRemoveRows();
    }
    delete oldest;
}

void CustomTableFilterModel::removeOldest(int count)
{
    count = qMin(count, allRowCount());
    if (count <= 0)
        return;
    // The oldest shown records are the first shown rows.
    const std::unordered_set<CustomTableRecord*> dropped(m_all.begin(), m_all.begin() + count);
    int shownCount = 0;
    while (shownCount < rowCount() && dropped.count(m_shown.at(size_t(shownCount))))
        ++shownCount;
    if (shownCount > 0) {
        beginRemoveRows(QModelIndex(), 0, shownCount - 1);
        m_shown.erase(m_shown.begin(), m_shown.begin() + shownCount);
        endRemoveRows();
    }
    qDeleteAll(m_all.begin(), m_all.begin() + count);
    m_all.erase(m_all.begin(), m_all.begin() + count);
}

void CustomTableFilterModel::removeLast()
{
    if (m_all.empty())
        return;
    CustomTableRecord* newest = m_all.back();
    m_all.pop_back();
    if (!m_shown.empty() && m_shown.back() == newest) {
        const int row = rowCount() - 1;
        beginRemoveRows(QModelIndex(), row, row);
        m_shown.pop_back();
        endRemoveRows();
    }
    delete newest;
}

void CustomTableFilterModel::removeRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    CustomTableRecord* rec = record(row);
    beginRemoveRows(QModelIndex(), row, row);
    m_shown.erase(m_shown.begin() + row);
    m_all.erase(std::find(m_all.begin(), m_all.end(), rec));
    endRemoveRows();
    delete rec;
}

void CustomTableFilterModel::refresh()
{
    if (m_shown.empty() || m_columnCount == 0)
        return;
    emit dataChanged(index(0, 0), index(rowCount() - 1, m_columnCount - 1));
}

} // namespace Common
