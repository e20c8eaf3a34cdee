#include "drying/ReportDataManager.h"

#include <QAbstractItemModel>

namespace Common {
namespace PDF {

void ReportDataManager::setReportVariable(const QString& name, const QVariant& value)
{
    m_variables.insert(name, value);
}

void ReportDataManager::setReportPicture(const QString& name, const QByteArray& svg)
{
    m_pictures.insert(name, svg);
}

const QByteArray* ReportDataManager::picture(const QString& name) const
{
    const auto it = m_pictures.constFind(name);
    return it == m_pictures.constEnd() ? nullptr : &it.value();
}

void ReportDataManager::addModel(const QString& name, const QAbstractItemModel* model)
{
    ReportTable table;
    if (model) {
        const int columns = model->columnCount();
        for (int c = 0; c < columns; ++c) {
            const QVariant field = model->headerData(c, Qt::Horizontal, Qt::UserRole);
            table.fields.append(field.isValid() ? field.toString()
                                                : model->headerData(c, Qt::Horizontal).toString());
        }
        const int rows = model->rowCount();
        table.rows.reserve(rows);
        for (int r = 0; r < rows; ++r) {
            QStringList row;
            row.reserve(columns);
            for (int c = 0; c < columns; ++c)
                row.append(model->data(model->index(r, c)).toString());
            table.rows.append(row);
        }
    }
    m_tables.insert(name, table);
}

const ReportTable* ReportDataManager::table(const QString& name) const
{
    const auto it = m_tables.constFind(name);
    return it == m_tables.constEnd() ? nullptr : &it.value();
}

} // namespace PDF
} // namespace Common
