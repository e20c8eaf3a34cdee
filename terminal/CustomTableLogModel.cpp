#include "terminal/CustomTableLogModel.h"

#include <QColor>
#include <QTime>

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

} // namespace Common
