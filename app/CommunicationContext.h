#pragma once

#include "communication/ConnectionManager.h"
#include "communication/ServersManager.h"
#include "communication/TargetManager.h"
#include "search/MacIpMapper.h"
#include "search/NetworkSettingsChanger.h"
#include "search/SearchHolder.h"
#include "search/SearchTabData.h"
#include "search/TabSearchingController.h"
#include "terminal/LogModelHandler.h"
#include "terminal/Logger.h"
#include "ui/ConnectionStateChangeDispatcher.h"
#include "ui/ConnectionStateChangeMessageBoxHandler.h"
#include "ui/FileUtilFactory.h"
#include "ui/HotKeys.h"
#include "ui/MessageBoxContext.h"
#include "ui/MessageBoxesFileOperation.h"
#include "ui/MessageBoxesFirmware.h"
#include "ui/MessageBoxesSearchSettings.h"
#include "ui/MessageBoxesTerminal.h"
#include "ui/Retranslator.h"
#include "ui/StatusBarHandler.h"

#include <QThread>

#include <memory>

class AbstractGuiTab;
class NTabTerminal;
class VornContextMenu;
class QStatusBar;
class SearchParameters;

namespace Common {
class IOTerminalSignalHandler;
namespace Communication {
class ISearchInfo;
}
} // namespace Common

// The long-lived objects of the general layer, built by main before the
// product's object graph and wired onto by it: the communication thread and
// the connection, the message boxes, the log and the search. Members are built
// in declaration order and destroyed in reverse.
class CommunicationContext
{
public:
    // Both are owned by main and outlive the context.
    CommunicationContext(Common::Communication::ISearchInfo* deviceFilters,
                         SearchParameters* searchParameters);
    ~CommunicationContext();
    CommunicationContext(const CommunicationContext&) = delete;
    CommunicationContext& operator=(const CommunicationContext&) = delete;

    // How long stopWorker waits for a connected analyzer to be let go.
    static constexpr int disconnectTimeoutMs = 3000;
    // How long the shut-down waits for each of its threads to end.
    static constexpr int threadStopTimeoutMs = 3000;

    void retranslate();
    QThread* workerThread() { return &m_workerThread; }
    // For shutting down, before anything is destroyed: lets a connected
    // analyzer go (the first time), then quits the communication thread and
    // waits for it at most threadStopTimeoutMs. False, with a warning, when
    // it is still running: the caller must then destroy nothing it uses.
    bool stopWorker();
    // Likewise for the search thread and the threads of the serial ports'
    // searches.
    bool stopSearch();

    void setSearchBaudrates(const QVector<int>& rates);
    void loadSearchBaudrates();

    MessageBoxContext* messageBoxContext() { return &m_messageBoxContext; }
    Common::IRetranslator* retranslator() { return &m_retranslator; }
    Common::MessageBoxesFirmware* firmwareMessageBoxes() { return &m_firmwareBoxes; }
    Common::Communication::TargetManager* targetManager() { return &m_targetManager; }
    Common::Communication::ConnectionManager* connectionManager() { return &m_connectionManager; }
    Common::Communication::NetworkSettingsChanger* networkSettingsChanger()
    {
        return &m_networkSettingsChanger;
    }
    Common::Communication::ILogger* logger() { return &m_logger; }
    Common::ILogWidgetManager* logWidgetManager() { return &m_logModelHandler; }
    Common::IFileUtilFactory* fileUtilFactory() { return &m_fileUtilFactory; }
    Common::HotKeys* hotKeys() { return &m_hotKeys; }
    Common::StatusBarHandler* statusBarHandler() { return &m_statusBarHandler; }
    Common::ConnectionStateChangeDispatcher* dispatcher() { return &m_dispatcher; }
    Common::TabSearchingController* searchController() { return m_searchController.get(); }
    // The status-bar handler fills the window's status bar with its labels.
    void installStatusBar(QStatusBar* statusBar);

    SearchTabData* searchTabData() { return &m_searchTabData; }
    SearchHolder* searchHolder() { return m_searchHolder.get(); }

    AbstractGuiTab* searchTab() const { return m_searchTab; }
    AbstractGuiTab* terminalTab() const { return m_terminalTab; }

    // The state that the terminal page's "Auto check connection" starts in.
    void setTerminalFlag(bool check) { m_terminalFlag = check; }
    // Receives the terminal page's command lines; not owned.
    void setTerminalSignalHandler(Common::IOTerminalSignalHandler* handler)
    {
        m_terminalSignalHandler = handler;
    }
    // The terminal page with the default command rows and menu, or with the
    // caller's (the page owns the menu).
    void createTerminalTab();
    void createTerminalTab(const QStringList& defaultCommands, VornContextMenu* menu);
    // Wires a terminal page to the log and to the terminal signal handler.
    void connectTerminal(NTabTerminal* page);

private:
    Common::StatusBarHandler m_statusBarHandler;
    Common::HotKeys m_hotKeys;
    Common::ConnectionStateChangeDispatcher m_dispatcher;
    QThread m_workerThread;
    bool m_disconnectAsked = false;
    Common::ConnectionStateChangeMessageBoxHandler m_connectionBoxes;
    Common::Communication::TargetManager m_targetManager;
    Common::Communication::ConnectionManager m_connectionManager;
    Common::Communication::NetworkSettingsChanger m_networkSettingsChanger;
    Common::Retranslator m_retranslator;
    MessageBoxContext m_messageBoxContext;
    Common::MessageBoxesTerminal m_terminalBoxes;
    Common::MessageBoxesSearchSettings m_searchSettingsBoxes;
    Common::MessageBoxesFirmware m_firmwareBoxes;
    Common::MessageBoxesFileOperation m_fileOperationBoxes;
    Common::FileUtilFactory m_fileUtilFactory;
    Common::Communication::ISearchInfo* m_deviceFilters;
    SearchParameters* m_searchParameters;
    SearchTabData m_searchTabData;
    Common::Communication::Logger m_logger;
    Common::LogModelHandler m_logModelHandler;
    Common::Communication::ServersManager m_serversManager;
    Common::Communication::MacIpMapper m_macIpMapper;
    Common::IOTerminalSignalHandler* m_terminalSignalHandler = nullptr;
    bool m_terminalFlag = true;
    // Shown and owned by the main window, never deleted here.
    AbstractGuiTab* m_searchTab = nullptr;
    AbstractGuiTab* m_terminalTab = nullptr;
    std::unique_ptr<Common::TabSearchingController> m_searchController;
    // Goes first: it ends the search thread before anything it uses goes.
    std::unique_ptr<SearchHolder> m_searchHolder;
};
