#pragma once

#include "drying/Context.h"
#include "drying/ContextSettingsTrProvider.h"
#include "drying/PdfTrProvider.h"

#include <QByteArray>
#include <QSet>

class QAbstractItemModel;

namespace KD {
namespace Drying {

// What one drying report shows, gathered when the user asks for it.
struct PdfReportData
{
    const QAbstractItemModel* model = nullptr;
    QByteArray picture; // SVG of the plot
    const QSet<int>* checked = nullptr;
    RunContext::Context context;
    RunContext::ContextSettingsTrProvider labels;
    PdfTrProvider texts;
    QString schema = QStringLiteral(":/schemas/reportSchemaDryer.lrxml");
};

// Fills the report's names from the data and opens the preview; false, with
// the reason in error, when the report template does not load.
bool buildDryingReport(const PdfReportData& data, QString* error);

} // namespace Drying
} // namespace KD
