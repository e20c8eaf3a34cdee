#pragma once

#include "drying/ReportDataManager.h"
#include "drying/ReportTemplate.h"

#include <QObject>

class QPagedPaintDevice;

namespace Common {
namespace PDF {

class IReportPresenter;

// Our report engine: a template of our own format filled from named
// variables, pictures and data sources, shown in a preview or printed to PDF.
class ReportEngine : public QObject
{
    Q_OBJECT

public:
    explicit ReportEngine(QObject* parent = nullptr);

    ReportDataManager* dataManager() { return &m_data; }
    // False, with errorString(), when the template is missing or malformed.
    bool loadFromFile(const QString& path);
    QString errorString() const { return m_error; }

    // Shows the report through the presenter (the modal preview).
    void previewReport();
    // Renders the report straight into a PDF file; false when the file could
    // not be written completely (an older file of that name is then kept).
    bool printToPdf(const QString& path);
    // Paints every page on a printer or PDF writer.
    bool render(QPagedPaintDevice* device) const;
    // Page size and margins of the template.
    void preparePage(QPagedPaintDevice* device) const;

    // Who shows reports: the preview dialog unless a test has put its own
    // presenter in place (nullptr restores the dialog).
    static void setPresenter(IReportPresenter* presenter);
    static IReportPresenter* presenter();

signals:
    void printedToPDF(const QString& path);

private:
    ReportDataManager m_data;
    ReportTemplate m_template;
    bool m_loaded = false;
    QString m_error;
};

} // namespace PDF
} // namespace Common
