#pragma once

#include <QHash>
#include <QStringList>
#include <QVariant>
#include <QVector>

class QAbstractItemModel;

namespace Common {
namespace PDF {

// A data source as it was when it was registered: the rows never change under
// a report that is open, whatever happens to the model afterwards.
struct ReportTable
{
    QStringList fields; // the header's user values (else its display texts)
    QVector<QStringList> rows;

    int column(const QString& field) const { return fields.indexOf(field); }
};

// Variables, pictures and data sources that a report template reads by name.
class ReportDataManager
{
public:
    void setReportVariable(const QString& name, const QVariant& value);
    bool containsVariable(const QString& name) const { return m_variables.contains(name); }
    // Empty when the variable is not set.
    QString text(const QString& name) const { return m_variables.value(name).toString(); }

    // A picture as SVG data, drawn as vector graphics; it is copied.
    void setReportPicture(const QString& name, const QByteArray& svg);
    const QByteArray* picture(const QString& name) const;

    // Copies the model's rows now (the model stays the caller's).
    void addModel(const QString& name, const QAbstractItemModel* model);
    const ReportTable* table(const QString& name) const;

private:
    QHash<QString, QVariant> m_variables;
    QHash<QString, QByteArray> m_pictures;
    QHash<QString, ReportTable> m_tables;
};

} // namespace PDF
} // namespace Common
