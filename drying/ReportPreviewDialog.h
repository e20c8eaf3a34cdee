#pragma once

#include <QDialog>
#include <QPrinter>

class QLabel;
class QPrintPreviewWidget;

namespace Common {
namespace PDF {

class ReportEngine;

// Modal preview of a report with page navigation, zoom and "Print to PDF".
class ReportPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ReportPreviewDialog(ReportEngine* engine, QWidget* parent = nullptr);

private slots:
    void printToPdf();
    void updatePageLabel();

private:
    ReportEngine* m_engine;
    QPrinter m_printer;
    QPrintPreviewWidget* m_preview;
    QLabel* m_pageLabel;
};

} // namespace PDF
} // namespace Common
