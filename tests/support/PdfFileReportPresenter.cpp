#include "tests/support/PdfFileReportPresenter.h"

#include "drying/ReportEngine.h"

PdfFileReportPresenter::PdfFileReportPresenter(const QString& path)
    : m_previous(Common::PDF::ReportEngine::presenter()), m_path(path)
{
    Common::PDF::ReportEngine::setPresenter(this);
}

PdfFileReportPresenter::~PdfFileReportPresenter()
{
    Common::PDF::ReportEngine::setPresenter(m_previous);
}

void PdfFileReportPresenter::present(Common::PDF::ReportEngine& engine)
{
    ++m_shown;
    if (m_whileOpen)
        m_whileOpen();
    m_printed = engine.printToPdf(m_path);
}
