#include "app/CommunicationContext.h"

#include "search/SearchParameters.h"

CommunicationContext::CommunicationContext(Common::Communication::ISearchInfo* deviceFilters,
                                           SearchParameters* searchParameters)
    : m_connectionManager(&m_targetManager, &m_serversManager, &m_logger, &m_workerThread),
      m_terminalBoxes(&m_messageBoxContext), m_searchSettingsBoxes(&m_messageBoxContext),
      m_firmwareBoxes(&m_messageBoxContext), m_fileOperationBoxes(&m_messageBoxContext),
      m_fileUtilFactory(&m_fileOperationBoxes), m_searchParameters(searchParameters)
{
    Q_UNUSED(deviceFilters);
    m_workerThread.start(QThread::InheritPriority);
    m_serversManager.setMacIpMapper(&m_macIpMapper);
    m_retranslator.add(&m_statusBarHandler);
}

// main stops the thread first; this only covers a build that failed half-way.
CommunicationContext::~CommunicationContext() { stopWorker(); }

void CommunicationContext::retranslate() { m_retranslator.retranslate(); }

void CommunicationContext::stopWorker()
{
    m_workerThread.quit();
    m_workerThread.wait();
}

void CommunicationContext::setSearchBaudrates(const QVector<int>& rates)
{
    m_searchParameters->setSelectableBaudRates(rates);
}

void CommunicationContext::loadSearchBaudrates() { m_searchParameters->loadSearchBaudrates(); }

void CommunicationContext::installStatusBar(QStatusBar* statusBar)
{
    m_statusBarHandler.install(statusBar);
}
