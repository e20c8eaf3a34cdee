#include "drying/PDFSetupWidgetLess.h"

#include "drying/EmptyDataModel.h"
#include "drying/IPdfSavedListener.h"
#include "drying/ReportEngine.h"

#include <QStandardItemModel>

namespace Common {
namespace PDF {

namespace {

const QString labelPrefix = QStringLiteral("VARIABLE_NAME_");

} // namespace

PDFSetupWidgetLess::PDFSetupWidgetLess(QObject* parent) : QObject(parent) { }

void PDFSetupWidgetLess::addVariable(const QString& name, const QString& text)
{
    m_variables.append({name, text});
}

void PDFSetupWidgetLess::addModel(const QString& name, const QString& title,
                                  const QAbstractItemModel* model)
{
    m_models.append({name, title, model});
}

void PDFSetupWidgetLess::addImage(const QString& name, const QString& title,
                                  const QByteArray* picture)
{
    m_images.append({name, title, picture});
}

void PDFSetupWidgetLess::addValue(const QString& name, const QString& label, const QString& value)
{
    m_values.append({name, label, value});
}

bool PDFSetupWidgetLess::generatePdf()
{
    ReportEngine engine;
    ReportDataManager* data = engine.dataManager();
    for (const Variable& v : qAsConst(m_variables))
        data->setReportVariable(labelPrefix + v.name, v.text);
    for (const Image& image : qAsConst(m_images)) {
        // "SHOW " + name has one row exactly when the picture is printed.
        QStandardItemModel show(image.picture ? 1 : 0, 1);
        data->addModel(QStringLiteral("SHOW ") + image.name, &show);
        if (image.picture)
            data->setReportPicture(image.name, *image.picture);
        data->setReportVariable(labelPrefix + image.name, image.title);
    }
    EmptyDataModel empty;
    for (const Model& m : qAsConst(m_models)) {
        data->addModel(m.name, m.model ? m.model : &empty);
        data->setReportVariable(labelPrefix + m.name, m.title);
    }
    for (const Value& v : qAsConst(m_values)) {
        data->setReportVariable(v.name, v.value);
        data->setReportVariable(labelPrefix + v.name, v.label);
    }
    if (!engine.loadFromFile(m_schema)) {
        m_error = engine.errorString();
        return false;
    }
    connect(&engine, &ReportEngine::printedToPDF, this, &PDFSetupWidgetLess::onPdfSaved);
    engine.previewReport();
    return true;
}

void PDFSetupWidgetLess::onPdfSaved(const QString& path)
{
    if (m_listener)
        m_listener->pdfSaved(path);
}

} // namespace PDF
} // namespace Common
