#pragma once

#include "terminal/CustomTableFilterModel.h"

namespace Common {

// The communication log's table: at most rowLimit records (the oldest goes
// first, shown or not), rows shaded by direction, times to the millisecond
// and line ends made visible.
class CustomTableLogModel : public CustomTableFilterModel
{
    Q_OBJECT

public:
    static constexpr int defaultRowLimit = 3000;

    explicit CustomTableLogModel(int columnCount, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    void addRecord(CustomTableRecord* record) override;
    // As many single adds, announced as one removal and one insertion.
    void addRecords(const QVector<CustomTableRecord*>& records) override;

    int rowLimit() const { return m_rowLimit; }

private:
    int m_rowLimit = defaultRowLimit;
};

} // namespace Common
