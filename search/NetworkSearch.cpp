#include "search/NetworkSearch.h"

namespace Common {
namespace Communication {

NetworkSearch::NetworkSearch(ISearchInfo* searchInfo, ILogger* logger, IMacIpMapper* mapper,
                             ServersManager* serversManager, QObject* parent)
    : QObject(parent), m_searchInfo(searchInfo), m_logger(logger), m_mapper(mapper),
      m_serversManager(serversManager)
{ }

void NetworkSearch::start() { emit progress(100); }

void NetworkSearch::stop() { }

void NetworkSearch::setDirectTarget(const QHostAddress& address, int port)
{
    m_directAddress = address;
    m_directPort = port;
    m_directTargetSet = true;
}

} // namespace Communication
} // namespace Common
