#pragma once

#include "terminal/CustomTableRecord.h"
#include "terminal/IFilter.h"
#include "terminal/TableHeader.h"

#include <QAbstractTableModel>
#include <QVector>

#include <deque>

namespace Common {

// A table that keeps all its records but shows only those that every column
// predicate accepts. Row numbers in every operation and signal are positions
// among the shown rows.
class CustomTableFilterModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit CustomTableFilterModel(int columnCount, QObject* parent = nullptr);
    ~CustomTableFilterModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Takes ownership; the record is shown when the filters accept it.
    virtual void addRecord(CustomTableRecord* record);
    // Appends in order, announced as one insertion; takes ownership.
    virtual void addRecords(const QVector<CustomTableRecord*>& records);
    virtual void clear();
    virtual void setEditable(bool editable);

    int allRowCount() const { return int(m_all.size()); }
    CustomTableRecord* allRecord(int i) const { return m_all.at(size_t(i)); }
    CustomTableRecord* record(int row) const { return m_shown.at(size_t(row)); }

    // Takes ownership of the predicate (null removes the column's filter).
    void setFilter(int column, Filters::IFilter* filter);
    void refilter();
    bool accepts(const CustomTableRecord* record) const;

    void removeFirst();
    // Drops the count oldest records, announced as one removal.
    void removeOldest(int count);
    void removeLast();
    void removeRow(int row);

    void refresh();
    QStringList headerLabels() const { return m_header.labels(); }
    QStringList headerUserValues() const { return m_header.userValues(); }

private:
    // Deques: the log drops its oldest row on every add once full.
    std::deque<CustomTableRecord*> m_all;
    std::deque<CustomTableRecord*> m_shown;
    TableHeader m_header;
    QVector<Filters::IFilter*> m_filters;
    bool m_editable = false;
    int m_columnCount;
};

} // namespace Common
