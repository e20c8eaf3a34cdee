#include "search/SearchHolder.h"

#include "communication/ThreadShutdown.h"
#include "search/ISearchInfo.h"
#include "search/SearchEngine.h"

SearchHolder::SearchHolder(Common::Communication::ISearchInfo* searchInfo,
                           Common::Communication::ILogger* logger,
                           Common::Communication::ServersManager* serversManager,
                           Common::Communication::IMacIpMapper* mapper)
    : QThread(nullptr), m_comSearch(searchInfo, logger),
      m_networkSearch(searchInfo, logger, mapper, serversManager),
      m_engine(new Common::SearchEngine(&m_comSearch, &m_networkSearch))
{
    m_engine->setNetworkAvailable(searchInfo->searchOptions().networkSearch != 0);
    m_networkSearch.moveToThread(this);
    m_engine->moveToThread(this);
    connect(this, &QThread::finished, m_engine, &QObject::deleteLater);
    start(QThread::InheritPriority);
}

SearchHolder::~SearchHolder()
{
    quit();
    wait();
}

bool SearchHolder::stopThreads(int ms)
{
    return quitThreadWithin(this, ms, QStringLiteral("The search thread"))
           && m_comSearch.stopPortSearches(ms);
}
