#pragma once

#include "drying/IPdfTranslatorInfo.h"

namespace KD {
namespace Drying {
namespace RunContext {

// The set-up dialog's table for the drying run's context.
class PdfTranslatorInfo : public Common::RunContext::IPdfTranslatorInfo
{
public:
    QList<int> pdfOrder() const override;
    QStringList headerLabels() const override;
    bool hasValueColumn(int id) const override;
    bool showAsText(int id) const override;
    Common::RunContext::WidgetInfo widgetInfo(int id) const override;
    QString label(int id) const override;
};

} // namespace RunContext
} // namespace Drying
} // namespace KD
