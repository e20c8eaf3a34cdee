#include "drying/PdfTranslatorInfo.h"

#include "drying/ContextSettingsTrProvider.h"
#include "drying/ContextSetupTrProvider.h"
#include "drying/ContextValue.h"

namespace KD {
namespace Drying {
namespace RunContext {

QList<int> PdfTranslatorInfo::pdfOrder() const
{
    return {Author,      Date,      Time,      Title,   Introduction, Summary,
            Header,      Footer,    Product,   Data,    Plot,         SamplesCount,
            InitialMass, FinalMass, StartTime, EndTime, Formula};
}

QStringList PdfTranslatorInfo::headerLabels() const
{
    const Common::ContextSetupTrProvider texts;
    return {QStringLiteral("PDF"), texts.text(Common::ContextSetupTrProvider::Parameter),
            texts.text(Common::ContextSetupTrProvider::Value)};
}

bool PdfTranslatorInfo::hasValueColumn(int id) const
{
    return id >= Author && id <= EndTime && id != Plot && id != Data;
}

bool PdfTranslatorInfo::showAsText(int id) const
{
    switch (id) {
    case SamplesCount:
    case InitialMass:
    case FinalMass:
    case StartTime:
    case EndTime: return true;
    default: return false;
    }
}

Common::RunContext::WidgetInfo PdfTranslatorInfo::widgetInfo(int id) const
{
    if (id >= Author && id <= Product)
        return {true, true, 0};
    switch (id) {
    case Date: return {true, true, 2};
    case Time: return {true, true, 1};
    case Plot:
    case Data: return {true, false, 4};
    case SamplesCount:
    case InitialMass:
    case FinalMass:
    case Formula:
    case StartTime:
    case EndTime: return {true, false, 0};
    default: return {false, false, 4};
    }
}

QString PdfTranslatorInfo::label(int id) const { return ContextSettingsTrProvider::label(id); }

} // namespace RunContext
} // namespace Drying
} // namespace KD
