#include "drying/PdfReportData.h"

#include "drying/ContextHandler.h"
#include "drying/ContextInfo.h"
#include "drying/ContextValue.h"
#include "drying/PDFSetupWidgetLess.h"

namespace KD {
namespace Drying {

namespace {

QString columnTitle(const QString& name, const QString& unit)
{
    return QStringLiteral("%1 [%2]").arg(name, unit);
}

} // namespace

bool buildDryingReport(const PdfReportData& data, QString* error)
{
    using namespace RunContext;
    Common::PDF::PDFSetupWidgetLess report;
    report.setSchema(data.schema);
    report.addVariable(
        QStringLiteral("HeaderTime"),
        columnTitle(data.texts.text(PdfTrProvider::Time), QStringLiteral("HH:mm:ss")));
    report.addVariable(QStringLiteral("Mass"),
                       columnTitle(data.texts.text(PdfTrProvider::Mass), QStringLiteral("g")));
    const int humidity =
        data.context.formula == 2 ? PdfTrProvider::DryMass : PdfTrProvider::Humidity;
    report.addVariable(QStringLiteral("Humidity"),
                       columnTitle(data.texts.text(humidity), QStringLiteral("%")));

    const QSet<int>& checked = *data.checked;
    for (const int id : {Formula, StartTime, EndTime, SamplesCount, InitialMass, FinalMass}) {
        if (checked.contains(id)) {
            report.addVariable(QStringLiteral("Statistics"),
                               data.texts.text(PdfTrProvider::Details));
            break;
        }
    }
    Context context = data.context;
    const ContextHandler handler(&context);
    const ContextInfo info;
    for (const int id : checked) {
        if (id != Plot && id != Data)
            report.addValue(info.reportName(id), data.labels.text(id), handler.toString(id));
    }
    report.addModel(QStringLiteral("Data"), data.labels.text(Data),
                    checked.contains(Data) ? data.model : nullptr);
    report.addImage(QStringLiteral("Chart"), data.labels.text(Plot),
                    checked.contains(Plot) ? &data.picture : nullptr);
    if (!report.generatePdf()) {
        *error = report.errorString();
        return false;
    }
    return true;
}

} // namespace Drying
} // namespace KD
