#pragma once

#include <QHostAddress>
#include <QObject>
#include <QVariant>

namespace Common {
namespace Communication {

class ILogger;
class IMacIpMapper;
class ISearchInfo;
class ServersManager;

// The LAN half of the device search. The program offers no network search
// yet, so a search over the network ends at once with nothing found.
class NetworkSearch : public QObject
{
    Q_OBJECT

public:
    NetworkSearch(ISearchInfo* searchInfo, ILogger* logger, IMacIpMapper* mapper,
                  ServersManager* serversManager, QObject* parent = nullptr);

    void start();
    void stop();
    void setDirectTarget(const QHostAddress& address, int port);
    void clearDirectTarget() { m_directTargetSet = false; }

signals:
    void deviceFound(QVariant result);
    void progress(int value);
    void newLogLine(QString line);

private:
    ISearchInfo* m_searchInfo;
    ILogger* m_logger;
    IMacIpMapper* m_mapper;
    ServersManager* m_serversManager;
    QHostAddress m_directAddress;
    int m_directPort = 0;
    bool m_directTargetSet = false;
};

} // namespace Communication
} // namespace Common
