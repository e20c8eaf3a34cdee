#pragma once

#include "terminal/CustomTableRecord.h"
#include "terminal/TableHeader.h"

#include <QAbstractTableModel>
#include <QVector>

namespace Common {

// A plain table over owned records kept in insertion order.
class CustomTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit CustomTableModel(int columnCount, QObject* parent = nullptr);
    ~CustomTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

    // Removes and deletes every record.
    virtual void clear();

    // Takes ownership and appends the record as the last row.
    void appendRecord(CustomTableRecord* record);
    // Records appended between these two reach the views as one insertion
    // at the end, not one each: a run loaded row by row would otherwise cost
    // the views more than the loading. Meanwhile rowCount() stays at the rows
    // shown before, record() and recordCount() see them all.
    void beginAppending();
    void endAppending();
    // Every record held, those not yet shown while appending included.
    int recordCount() const { return m_records.size(); }
    // Takes ownership; a row outside 0..rowCount is refused and the record
    // deleted, so nothing handed over leaks.
    bool insertRecord(int row, CustomTableRecord* record);
    // The caller keeps row within 0..rowCount-1.
    CustomTableRecord* record(int row) const { return m_records.at(row); }

    void refresh();
    QStringList headerLabels() const { return m_header.labels(); }
    QStringList headerUserValues() const { return m_header.userValues(); }

private:
    QVector<CustomTableRecord*> m_records;
    // The rows the views know of, while appending; -1 otherwise.
    int m_shown = -1;
    TableHeader m_header;
    int m_columnCount;
};

} // namespace Common
