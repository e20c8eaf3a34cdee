#include "drying/TdPdfGenerator.h"

#include "drying/IPlotPictureGetter.h"
#include "drying/PdfReportData.h"

#include <QCoreApplication>

namespace KD {
namespace Drying {

TdPdfGenerator::TdPdfGenerator(const Common::IRunContextGetter<RunContext::Context>* context,
                               const Common::IPdfSettingsGetter<RunContext::ContextValue>* checked,
                               Common::IModelGetterFull<QAbstractItemModel>* run,
                               Common::IPlotPictureGetter* plot, const MessageBoxContext& boxes)
    : m_context(context), m_checked(checked), m_run(run), m_plot(plot), m_boxes(boxes)
{ }

bool TdPdfGenerator::generatePdf()
{
    PdfReportData data;
    data.context = m_context->get();
    data.picture = m_plot->svgPicture();
    const QSet<int> checked = m_checked->checkedValues();
    data.checked = &checked;
    data.model = m_run->model();
    if (!m_schema.isEmpty())
        data.schema = m_schema;
    QString error;
    if (buildDryingReport(data, &error))
        return true;
    qWarning("%s: %s", Q_FUNC_INFO, qPrintable(error));
    m_boxes.showWarning(QCoreApplication::translate("KD::Drying::TdPdfGenerator",
                                                    "Could not load the report template!"));
    return false;
}

} // namespace Drying
} // namespace KD
