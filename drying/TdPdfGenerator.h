#pragma once

#include "drying/Context.h"
#include "drying/ContextValue.h"
#include "drying/IPdfGenerator.h"
#include "drying/IPdfSettingsGetter.h"
#include "drying/IRunContextGetter.h"
#include "ui/IModelGetterFull.h"
#include "ui/MessageBoxContext.h"

class QAbstractItemModel;

namespace Common {
class IPlotPictureGetter;
}

namespace KD {
namespace Drying {

// The drying page's report: the run context, the checked values, the run's
// table and the plot, shown in the report preview.
class TdPdfGenerator : public Common::IPdfGenerator
{
public:
    TdPdfGenerator(const Common::IRunContextGetter<RunContext::Context>* context,
                   const Common::IPdfSettingsGetter<RunContext::ContextValue>* checked,
                   Common::IModelGetterFull<QAbstractItemModel>* run,
                   Common::IPlotPictureGetter* plot,
                   const MessageBoxContext& boxes = MessageBoxContext());

    // False, after a warning, when the report template does not load.
    bool generatePdf() override;
    // The compiled-in drying report unless changed (tests).
    void setTemplatePath(const QString& path) { m_schema = path; }

private:
    const Common::IRunContextGetter<RunContext::Context>* m_context;
    const Common::IPdfSettingsGetter<RunContext::ContextValue>* m_checked;
    Common::IModelGetterFull<QAbstractItemModel>* m_run;
    Common::IPlotPictureGetter* m_plot;
    MessageBoxContext m_boxes;
    QString m_schema;
};

} // namespace Drying
} // namespace KD
