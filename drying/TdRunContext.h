#pragma once

#include <functional>

#include <QSet>

#include "drying/Context.h"
#include "drying/ContextHandler.h"
#include "drying/ContextInfo.h"
#include "drying/ContextValue.h"
#include "drying/IPdfSettingsGetter.h"
#include "drying/IRunContextLoad.h"
#include "drying/IRunContextSetup.h"
#include "drying/IUserDataGetter.h"
#include "drying/IUserDataSetter.h"
#include "drying/PdfTranslatorInfo.h"
#include "drying/TemplatedCheckedValuesHandler.h"
#include "drying/ValueIntConverter.h"

namespace Common {
namespace RunContext {
class ICheckedValuesHandler;
class IPdfTranslatorInfo;
} // namespace RunContext
} // namespace Common

namespace KD {
namespace Drying {

class IDryingInfoGetter;

// The drying page's run context: the record the user fills in, which values
// the report prints, and their life in the settings.
class TdRunContext : public Common::IRunContextLoad,
                     public Common::IRunContextSetup,
                     public IUserDataGetter,
                     public IUserDataSetter,
                     public Common::IPdfSettingsGetter<RunContext::ContextValue>
{
public:
    // Shows the set-up dialog over the handlers; true when the user confirmed.
    using SetupRunner =
        std::function<bool(Common::RunContext::ICheckedValuesHandler*, Common::IRunContextHandler*,
                           const Common::RunContext::IPdfTranslatorInfo*)>;

    explicit TdRunContext(const IDryingInfoGetter* dryingInfo);

    void load() override;
    // Takes the run's values from the run summary, then lets the user edit;
    // a confirmed dialog is saved to the settings.
    void setup() override;
    UserData userData() const override;
    void setUserData(const UserData& data) override;
    QSet<int> checkedValues() const override;

    // Tests replace the modal dialog.
    void setSetupRunner(SetupRunner runner) { m_setupRunner = std::move(runner); }

private:
    using CheckedHandler = Common::RunContext::TemplatedCheckedValuesHandler<
        RunContext::ContextValue, Common::RunContext::ValueIntConverter<RunContext::ContextValue>>;

    const IDryingInfoGetter* m_dryingInfo;
    QSet<int> m_checked;
    RunContext::Context m_context;
    RunContext::ContextHandler m_contextHandler{&m_context};
    CheckedHandler m_checkedHandler{&m_checked};
    RunContext::ContextInfo m_info;
    RunContext::PdfTranslatorInfo m_pdfInfo;
    SetupRunner m_setupRunner;
};

} // namespace Drying
} // namespace KD
