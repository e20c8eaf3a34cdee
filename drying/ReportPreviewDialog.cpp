#include "drying/ReportPreviewDialog.h"

#include "drying/ReportEngine.h"
#include "ui/MessageBoxContext.h"
#include "ui/VornFileDialog.h"

#include <QLabel>
#include <QPrintPreviewWidget>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace Common {
namespace PDF {

ReportPreviewDialog::ReportPreviewDialog(ReportEngine* engine, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_printer(QPrinter::HighResolution)
{
    setWindowTitle(tr("Report preview"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(900, 1000);

    m_engine->preparePage(&m_printer);
    m_preview = new QPrintPreviewWidget(&m_printer, this);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { m_engine->render(printer); });
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this,
            &ReportPreviewDialog::updatePageLabel);

    auto* tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tools->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), tr("Print to PDF"), this,
                     &ReportPreviewDialog::printToPdf);
    tools->addSeparator();
    tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Previous page"), this,
                     [this] {
                         m_preview->setCurrentPage(m_preview->currentPage() - 1);
                         updatePageLabel();
                     });
    m_pageLabel = new QLabel(this);
    m_pageLabel->setContentsMargins(8, 0, 8, 0);
    tools->addWidget(m_pageLabel);
    tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Next page"), this, [this] {
        m_preview->setCurrentPage(m_preview->currentPage() + 1);
        updatePageLabel();
    });
    tools->addSeparator();
    tools->addAction(tr("Zoom in"), m_preview, [this] { m_preview->zoomIn(); });
    tools->addAction(tr("Zoom out"), m_preview, [this] { m_preview->zoomOut(); });
    tools->addAction(tr("Fit width"), m_preview, &QPrintPreviewWidget::fitToWidth);
    tools->addSeparator();
    tools->addAction(style()->standardIcon(QStyle::SP_DialogCloseButton), tr("Close"), this,
                     &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(m_preview, 1);
    m_preview->fitToWidth();
}

void ReportPreviewDialog::printToPdf()
{
    VornFileDialog dialog(QStringLiteral("PdfReport"), this);
    QString path = dialog.getSavePath(tr("PDF files") + QStringLiteral(" (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (!m_engine->printToPdf(path)) {
        MessageBoxContext boxes;
        boxes.setTitle(windowTitle());
        boxes.setParent(this);
        boxes.showWarning(tr("Could not write the PDF file!"));
    }
}

void ReportPreviewDialog::updatePageLabel()
{
    m_pageLabel->setText(
        QStringLiteral("%1 / %2").arg(m_preview->currentPage()).arg(m_preview->pageCount()));
}

} // namespace PDF
} // namespace Common
