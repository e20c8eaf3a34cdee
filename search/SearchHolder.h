#pragma once

#include "search/COMSearch.h"
#include "search/NetworkSearch.h"

#include <QThread>

namespace Common {
class SearchEngine;
namespace Communication {
class ILogger;
class IMacIpMapper;
class ISearchInfo;
class ServersManager;
} // namespace Communication
} // namespace Common

// Owns the device search and runs its engine and its network search on a
// thread of its own; the serial search stays on the constructing (GUI)
// thread. Lives as long as the communication context.
class SearchHolder : public QThread
{
    Q_OBJECT

public:
    SearchHolder(Common::Communication::ISearchInfo* searchInfo,
                 Common::Communication::ILogger* logger,
                 Common::Communication::ServersManager* serversManager,
                 Common::Communication::IMacIpMapper* mapper);
    // Ends the thread, then stops the port searches and joins their threads,
    // each waited for as long as it takes (see stopThreads).
    ~SearchHolder() override;

    // For shutting down, before anything is destroyed: quits the search
    // thread and waits for it at most `ms`, then stops the port searches and
    // waits for them at most `ms` together. False, with a warning, when one
    // is still running: the caller must then destroy nothing they use.
    bool stopThreads(int ms);

    Common::SearchEngine* searchEngine() const { return m_engine; }
    Common::Communication::COMSearch* serialSearch() { return &m_comSearch; }

private:
    Common::Communication::COMSearch m_comSearch;
    Common::Communication::NetworkSearch m_networkSearch;
    Common::SearchEngine* m_engine;
};
