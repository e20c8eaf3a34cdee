#include "terminal/CustomTableLogModel.h"

#include <QColor>
#include <QTime>

#include <algorithm>
#include <iterator>

namespace Common {

CustomTableLogModel::CustomTableLogModel(int columnCount, QObject* parent)
    : CustomTableFilterModel(columnCount, parent)
{ }

QVariant CustomTableLogModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return CustomTableFilterModel::data(index, role);
    if (role == Qt::BackgroundRole) {
        // Received rows are a shade darker than sent ones.
        const bool received = record(index.row())->value(0).toString() == QLatin1String("IN");
        return received ? QColor(Qt::lightGray) : QColor(0xd0, 0xd0, 0xd0);
    }
    const QVariant value = CustomTableFilterModel::data(index, role);
    if (role != Qt::DisplayRole || !value.isValid())
        return value;
    if (value.type() == QVariant::Time)
        return value.toTime().toString(QStringLiteral("HH:mm:ss.zzz"));
    if (value.type() == QVariant::String) {
        QString text = value.toString();
        text.replace(QLatin1Char('\r'), QStringLiteral("<CR>"));
        text.replace(QLatin1Char('\n'), QStringLiteral("<LF>"));
        return text;
    }
    return value;
}

void CustomTableLogModel::addRecord(CustomTableRecord* record)
{
    if (!record)
        return;
    if (allRowCount() >= m_rowLimit)
        removeFirst();
    CustomTableFilterModel::addRecord(record);
}

void CustomTableLogModel::addRecords(const QVector<CustomTableRecord*>& records)
{
    QVector<CustomTableRecord*> kept;
    kept.reserve(records.size());
    std::copy_if(records.begin(), records.end(), std::back_inserter(kept),
                 [](const CustomTableRecord* r) { return r != nullptr; });
    // Records that the limit would drop at once are never shown.
    const int skipped = qMax(0, kept.size() - m_rowLimit);
    qDeleteAll(kept.begin(), kept.begin() + skipped);
    kept.remove(0, skipped);
    removeOldest(allRowCount() + kept.size() - m_rowLimit);
    CustomTableFilterModel::addRecords(kept);
}

} // namespace Common
