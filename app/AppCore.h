#pragma once

#include "analyzer/AnalysisStartStop.h"
#include "analyzer/ControllerChangeHandler.h"
#include "analyzer/DryingMessagesHandler.h"
#include "analyzer/ErrorMessageHandler.h"
#include "analyzer/FirmwareSetup.h"
#include "analyzer/HLDryerController.h"
#include "analyzer/KDTerminalSignalHandler.h"
#include "app/MainWindowController.h"
#include "app/TdComposition.h"
#include "drying/CsvDepsHolder.h"
#include "ui/StateTextRetranslator.h"

#include <QVector>

class AbstractGuiTab;
class CommunicationContext;

namespace KD {
namespace Communication {
class NDryer;
}
} // namespace KD

// The product on top of the communication context: the analyzer facade on
// the communication thread, the drying controller with the handlers of its
// signals, the Start/Stop and firmware glue and the drying pages.
class AppCore
{
public:
    explicit AppCore(CommunicationContext* context);
    AppCore(const AppCore&) = delete;
    AppCore& operator=(const AppCore&) = delete;

    CommunicationContext* communication() { return m_context; }
    KD::IMainWindowController* mainWindowController() { return &m_mainWindowController; }
    KD::HLDryerController* controller() { return &m_controller; }
    KD::TdComposition* dryingComposition() { return &m_dryingComposition; }
    // Search, drying, drying settings, terminal; a page that this build does
    // not have is null and leaves its place empty.
    QVector<AbstractGuiTab*> tabs() const;

private:
    void setSearchBaudRates();
    void createTabs();

    // Owned by the main window once handed over.
    AbstractGuiTab* m_dryingTab = nullptr;
    AbstractGuiTab* m_dryingSettingsTab = nullptr;
    // Lives on the communication thread and goes when that thread finishes.
    KD::Communication::NDryer* m_dryer;
    KD::HLDryerController m_controller;
    KD::AnalysisStartStop m_startStop;
    CommunicationContext* m_context;
    Common::CsvDepsHolder m_csvDeps;
    KD::KDTerminalSignalHandler m_terminalSignalHandler;
    KD::ErrorMessageHandler m_errorMessageHandler;
    KD::FirmwareSetup m_firmwareSetup;
    KD::ControllerChangeHandler m_controllerChangeHandler;
    KD::DryingMessagesHandler m_dryingMessagesHandler;
    KD::TdComposition m_dryingComposition;
    KD::MainWindowController m_mainWindowController;
    Common::StateTextRetranslator m_stateTextRetranslator;
};
