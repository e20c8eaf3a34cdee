#pragma once

#include "communication/ConnectionInfo.h"
#include "communication/DevNetworkInterface.h"
#include "search/AsyncDevInfoGetter.h"
#include "search/IModuleReceiver.h"
#include "search/ModuleSearch.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QTimer>
#include <QVariant>

namespace Common {
namespace Communication {

class ILogger;
class IMacIpMapper;
class ISearchInfo;
class ServersManager;

// The LAN half of the device search. It lasts at least eight seconds: it
// broadcasts for network modules, reads each one's settings, judges whether
// the PC can reach the analyzer behind it and asks every reachable one (and
// a typed-in direct target) for the analyzer's identification. Every found
// device, reachable or not, is reported; progress runs from 1 to 100.
class NetworkSearch : public QObject, public IModuleReceiver
{
    Q_OBJECT

public:
    NetworkSearch(ISearchInfo* searchInfo, ILogger* logger, IMacIpMapper* mapper,
                  ServersManager* serversManager, QObject* parent = nullptr);

    void start();
    void stop();
    void setDirectTarget(const QHostAddress& address, int port);
    void clearDirectTarget() { m_directTargetSet = false; }
    void onModuleInfo(IOInterfaceModule* module) override;

    // The discovery, so its endpoints and interfaces can be set; the pace of
    // the search (a tick of 100 ms, 80 ticks, a check for unfinished probes
    // every 1000 ms) and the probes' waits.
    ModuleSearch& moduleSearch() { return m_moduleSearch; }
    void setTimings(int tickMs, int ticks, int finishCheckMs);
    void setProbeTimings(const ProbeTimings& timings) { m_probeTimings = timings; }

signals:
    void deviceFound(QVariant result);
    void progress(int value);
    void newLogLine(QString line);
    void tryToFinish();

public slots:
    void onTimeout();
    void onTryToFinish();
    void onDevInfoGetterFinished(bool success);

private:
    void startGetter(const NetworkConnectionPart& part);
    void report(const ConnectionInfo& connection, const DeviceInfo& device,
                const QVector<int>& reasons, const DevNetworkInterface& settings);

    ISearchInfo* m_searchInfo;
    ILogger* m_logger;
    IMacIpMapper* m_mapper;
    ServersManager* m_serversManager;
    QHostAddress m_directAddress;
    int m_directPort = 0;
    bool m_directTargetSet = false;
    QList<QPair<NetworkConnectionPart, DevNetworkInterface>> m_candidates;
    QSet<AsyncDevInfoGetter*> m_pendingGetters;
    QTimer m_tickTimer;
    QTimer m_finishTimer;
    int m_ticks = 0;
    int m_tickCount = 80;
    ModuleSearch m_moduleSearch;
    bool m_stopRequested = false;
    ProbeTimings m_probeTimings;
};

} // namespace Communication
} // namespace Common
