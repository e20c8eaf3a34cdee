#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QAbstractItemModel;
class QByteArray;

namespace Common {
namespace PDF {

class IPdfSavedListener;

// Collects what a report shows (variables, data models, pictures and labelled
// values), hands it to the report engine under the template's names and opens
// the preview.
class PDFSetupWidgetLess : public QObject
{
    Q_OBJECT

public:
    explicit PDFSetupWidgetLess(QObject* parent = nullptr);

    void setSchema(const QString& path) { m_schema = path; }
    void addVariable(const QString& name, const QString& text);
    void addModel(const QString& name, const QString& title, const QAbstractItemModel* model);
    // The picture is SVG data.
    void addImage(const QString& name, const QString& title, const QByteArray* picture);
    void addValue(const QString& name, const QString& label, const QString& value);
    void setPdfSavedListener(IPdfSavedListener* listener) { m_listener = listener; }

    // False, with errorString(), when the template does not load; the report
    // is then not shown.
    bool generatePdf();
    QString errorString() const { return m_error; }

public slots:
    void onPdfSaved(const QString& path);

private:
    struct Variable
    {
        QString name;
        QString text;
    };
    struct Model
    {
        QString name;
        QString title;
        const QAbstractItemModel* model;
    };
    struct Image
    {
        QString name;
        QString title;
        const QByteArray* picture;
    };
    struct Value
    {
        QString name;
        QString label;
        QString value;
    };

    QList<Variable> m_variables;
    QList<Model> m_models;
    QList<Image> m_images;
    QList<Value> m_values;
    QString m_schema;
    IPdfSavedListener* m_listener = nullptr;
    QString m_error;
};

} // namespace PDF
} // namespace Common
