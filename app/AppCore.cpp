#include "app/AppCore.h"

#include "analyzer/NDryer.h"
#include "app/CommunicationContext.h"
#include "app/TabDryer.h"
#include "settings/CTabDryingSettings.h"
#include "settings/DryingSettingsTrProvider.h"

AppCore::AppCore(CommunicationContext* context)
    : m_dryer(new KD::Communication::NDryer(context->workerThread())), m_controller(m_dryer),
      m_context(context), m_csvDeps(context->messageBoxContext()),
      m_errorMessageHandler(context->messageBoxContext(), &m_controller),
      m_firmwareSetup(context->firmwareMessageBoxes(), &m_controller),
      m_controllerChangeHandler(context->statusBarHandler()),
      m_dryingMessagesHandler(context->messageBoxContext()),
      m_dryingComposition(&m_csvDeps, &m_controller, &m_startStop),
      m_mainWindowController(context, &m_firmwareSetup, &m_startStop),
      m_stateTextRetranslator(&m_controller)
{
    m_context->setTerminalFlag(false);
    m_startStop.setController(&m_controller);
    m_terminalSignalHandler.setController(&m_controller);
    m_terminalSignalHandler.setMessageBoxContext(context->messageBoxContext());
    m_context->setTerminalSignalHandler(&m_terminalSignalHandler);

    // Queued although both ends live on the GUI thread: each handler runs
    // after the controller has finished the step that emitted the signal.
    using KD::HLDryerController;
    QObject::connect(&m_controller, &HLDryerController::error, &m_errorMessageHandler,
                     &KD::ErrorMessageHandler::onControllerError, Qt::QueuedConnection);
    QObject::connect(&m_controller, &HLDryerController::dryingEnd, &m_dryingMessagesHandler,
                     &KD::DryingMessagesHandler::onDryingEnd, Qt::QueuedConnection);
    QObject::connect(&m_controller, &HLDryerController::dryingStarted, &m_dryingMessagesHandler,
                     &KD::DryingMessagesHandler::onDryingStart, Qt::QueuedConnection);
    QObject::connect(&m_controller, &HLDryerController::destructiveStarted,
                     &m_dryingMessagesHandler, &KD::DryingMessagesHandler::onDestructiveStart,
                     Qt::QueuedConnection);
    QObject::connect(&m_controller, &HLDryerController::stateText, &m_controllerChangeHandler,
                     &KD::ControllerChangeHandler::onStateTextChanged, Qt::QueuedConnection);

    m_context->dispatcher()->setConnectionStateChangeHandler(&m_mainWindowController);
    m_startStop.setPreStartCheck(m_dryingComposition.startGuard());
    setSearchBaudRates();
    createTabs();

    QObject::connect(m_context->workerThread(), &QThread::finished, m_dryer, &QObject::deleteLater);
    m_context->targetManager()->setTarget(0, m_dryer->engine());
    m_context->retranslator()->add(&m_stateTextRetranslator);
}

QVector<AbstractGuiTab*> AppCore::tabs() const
{
    return {m_context->searchTab(), m_dryingTab, m_dryingSettingsTab, m_context->terminalTab()};
}

void AppCore::setSearchBaudRates()
{
    m_context->setSearchBaudrates({1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200});
    m_context->loadSearchBaudrates();
}

void AppCore::createTabs()
{
    m_context->createTerminalTab();
    auto* settingsTab = new CTabDryingSettings(new DryingSettingsTrProvider, &m_controller,
                                               m_context->messageBoxContext());
    QObject::connect(&m_controller, &KD::HLDryerController::error, settingsTab,
                     &CTabDryingSettings::onDCError, Qt::QueuedConnection);
    QObject::connect(&m_controller, &KD::HLDryerController::ready, settingsTab,
                     &CTabDryingSettings::onReady, Qt::QueuedConnection);
    m_dryingSettingsTab = settingsTab;
    m_dryingTab = m_dryingComposition.createTab();
}
