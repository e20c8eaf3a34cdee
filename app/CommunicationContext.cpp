#include "app/CommunicationContext.h"

#include "communication/ThreadShutdown.h"
#include "search/NTabSearching.h"
#include "search/SearchParameters.h"
#include "search/TabSearchingTrProvider.h"
#include "terminal/IOTerminalSignalHandler.h"
#include "terminal/NTabTerminal.h"
#include "terminal/TabTerminalTrProvider.h"
#include "terminal/TerminalCommandMenu.h"

#include <QEventLoop>
#include <QTimer>

#include <utility>

CommunicationContext::CommunicationContext(Common::Communication::ISearchInfo* deviceFilters,
                                           SearchParameters* searchParameters)
    : m_connectionManager(&m_targetManager, &m_serversManager, &m_logger, &m_workerThread),
      m_networkSettingsChanger(&m_connectionManager, &m_connectionBoxes, &m_logger),
      m_terminalBoxes(&m_messageBoxContext), m_searchSettingsBoxes(&m_messageBoxContext),
      m_firmwareBoxes(&m_messageBoxContext), m_fileOperationBoxes(&m_messageBoxContext),
      m_fileUtilFactory(&m_fileOperationBoxes), m_deviceFilters(deviceFilters),
      m_searchParameters(searchParameters)
{
    m_searchTabData.searchModes.setDefaults();
    m_workerThread.start(QThread::InheritPriority);
    m_serversManager.setMacIpMapper(&m_macIpMapper);
    m_searchHolder = std::make_unique<SearchHolder>(m_deviceFilters, &m_logger, &m_serversManager,
                                                    &m_macIpMapper);
    m_logModelHandler.setLogFetcher(&m_logger);
    m_logModelHandler.setFileMessageBoxes(&m_fileOperationBoxes);
    m_searchTabData.searchModes.loadSearchModes();
    m_dispatcher.setMessageBoxHandler(&m_connectionBoxes);
    m_searchController = std::make_unique<Common::TabSearchingController>(
        &m_searchSettingsBoxes, m_searchHolder->searchEngine(), &m_searchTabData, &m_dispatcher,
        &m_messageBoxContext, &m_connectionManager, m_deviceFilters, m_searchParameters,
        &m_networkSettingsChanger);
    m_networkSettingsChanger.setUpdatable(m_searchController.get());
    m_searchTab = new NTabSearching(new TabSearchingTrProvider, m_searchController.get());
    m_retranslator.add(&m_statusBarHandler);
}

CommunicationContext::~CommunicationContext()
{
    // The program's shut-down has ended the threads within their bounds, or
    // ended the process without destroying anything. Here (a build that
    // failed half-way) they are waited for as long as they take: what runs
    // on them uses the members destroyed next.
    stopWorker();
    m_workerThread.wait();
}

void CommunicationContext::retranslate() { m_retranslator.retranslate(); }

bool CommunicationContext::stopWorker()
{
    // An analyzer still connected is disconnected first: the port is closed
    // and its lock released on the communication thread, which would not get
    // to it once its event loop has ended.
    const bool firstCall = !std::exchange(m_disconnectAsked, true);
    if (firstCall && m_workerThread.isRunning() && m_connectionManager.statusFlags().first) {
        m_connectionBoxes.setSilent(true);
        QEventLoop loop;
        QTimer::singleShot(disconnectTimeoutMs, &loop, &QEventLoop::quit);
        QObject::connect(&m_connectionManager,
                         &Common::Communication::ConnectionManager::disconnectionFinished, &loop,
                         &QEventLoop::quit);
        if (m_connectionManager.requestDisconnect())
            loop.exec();
    }
    return quitThreadWithin(&m_workerThread, threadStopTimeoutMs,
                            QStringLiteral("The communication thread"));
}

bool CommunicationContext::stopSearch() { return m_searchHolder->stopThreads(threadStopTimeoutMs); }

void CommunicationContext::setSearchBaudrates(const QVector<int>& rates)
{
    m_searchParameters->setSelectableBaudRates(rates);
}

void CommunicationContext::loadSearchBaudrates() { m_searchParameters->loadSearchBaudrates(); }

void CommunicationContext::createTerminalTab()
{
    createTerminalTab(TerminalCommandMenu::defaultCommands(), TerminalCommandMenu::createMenu());
}

void CommunicationContext::createTerminalTab(const QStringList& defaultCommands,
                                             VornContextMenu* menu)
{
    auto* page = new NTabTerminal(new TabTerminalTrProvider, &m_terminalBoxes, m_terminalFlag,
                                  defaultCommands, menu);
    connectTerminal(page);
    m_terminalTab = page;
}

void CommunicationContext::connectTerminal(NTabTerminal* page)
{
    page->setLogWidgetManager(&m_logModelHandler);
    QObject::connect(page, &NTabTerminal::sendString, m_terminalSignalHandler,
                     &Common::IOTerminalSignalHandler::onSendString);
    QObject::connect(page, &NTabTerminal::checkConnection, m_terminalSignalHandler,
                     &Common::IOTerminalSignalHandler::onCheckConnection);
}

void CommunicationContext::installStatusBar(QStatusBar* statusBar)
{
    m_statusBarHandler.install(statusBar);
}
