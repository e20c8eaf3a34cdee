#include "search/NetworkSearch.h"

#include "communication/CInterfaceModule.h"
#include "communication/DeviceConnectionInfo.h"
#include "communication/IMacIpMapper.h"
#include "communication/IOInterfaceModule.h"
#include "communication/ServersManager.h"
#include "search/ISearchInfo.h"
#include "search/Reachability.h"

namespace Common {
namespace Communication {

namespace {

// How the PC reaches the analyzer behind a module: a module in client mode
// connects to the PC; any other one is connected to.
NetworkConnectionPart connectionPartOf(const IOInterfaceModule& module)
{
    NetworkConnectionPart part;
    if (module.routingMode() == 2)
        part.setServer(module.hostIp(), module.remotePort(), module.mac());
    else
        part.setClient(module.deviceIp(), module.hostIp(), module.port());
    return part;
}

ConnectionInfo connectionOf(const NetworkConnectionPart& part)
{
    ConnectionInfo connection;
    connection.setNetworkPart(part);
    return connection;
}

} // namespace

NetworkSearch::NetworkSearch(ISearchInfo* searchInfo, ILogger* logger, IMacIpMapper* mapper,
                             ServersManager* serversManager, QObject* parent)
    : QObject(parent), m_searchInfo(searchInfo), m_logger(logger), m_mapper(mapper),
      m_serversManager(serversManager), m_tickTimer(this), m_finishTimer(this),
      m_moduleSearch(this, this)
{
    m_tickTimer.setSingleShot(true);
    m_tickTimer.setInterval(100);
    m_finishTimer.setSingleShot(true);
    m_finishTimer.setInterval(1000);
    m_moduleSearch.setLogger(logger);
    connect(&m_tickTimer, &QTimer::timeout, this, &NetworkSearch::onTimeout);
    connect(&m_finishTimer, &QTimer::timeout, this, &NetworkSearch::onTryToFinish);
    connect(&m_moduleSearch, &ModuleSearch::newLogLine, this, &NetworkSearch::newLogLine);
    connect(this, &NetworkSearch::tryToFinish, this, &NetworkSearch::onTryToFinish);
}

void NetworkSearch::setTimings(int tickMs, int ticks, int finishCheckMs)
{
    m_tickTimer.setInterval(tickMs);
    m_tickCount = ticks;
    m_finishTimer.setInterval(finishCheckMs);
}

void NetworkSearch::setDirectTarget(const QHostAddress& address, int port)
{
    m_directAddress = address;
    m_directPort = port;
    m_directTargetSet = true;
}

void NetworkSearch::start()
{
    emit newLogLine(tr("Searching via network..."));
    m_stopRequested = false;
    if (m_mapper)
        m_mapper->clear();
    if (m_serversManager)
        m_serversManager->reset();
    emit newLogLine(tr("Sending broadcast..."));
    m_moduleSearch.broadcastEcho();
    m_ticks = 0;
    m_tickTimer.start();
    if (m_directTargetSet) {
        emit newLogLine(tr("Checking direct connection: %1")
                            .arg(m_directAddress.toString() + ":" + QString::number(m_directPort)));
        NetworkConnectionPart part;
        part.setClient(m_directAddress, QHostAddress(), m_directPort);
        startGetter(part);
    }
}

void NetworkSearch::stop()
{
    emit newLogLine(tr("Stopping network search..."));
    m_stopRequested = true;
}

void NetworkSearch::onTimeout()
{
    ++m_ticks;
    if (!m_stopRequested && m_ticks < m_tickCount) {
        emit progress(m_ticks * 100 / m_tickCount);
        m_tickTimer.start();
        return;
    }
    emit newLogLine(tr("Waiting for unfinished network tasks."));
    emit progress(99);
    emit tryToFinish();
}

void NetworkSearch::onTryToFinish()
{
    if (!m_pendingGetters.isEmpty()) {
        m_finishTimer.start();
        return;
    }
    m_moduleSearch.clear();
    if (m_serversManager)
        m_serversManager->reset();
    m_candidates.clear();
    emit progress(100);
}

void NetworkSearch::onModuleInfo(IOInterfaceModule* module)
{
    if (!module)
        return;
    if (m_mapper)
        m_mapper->insert(module->ipAddress().toIPv4Address(), module->mac());
    const NetworkConnectionPart part = connectionPartOf(*module);
    const ConnectionInfo connection = connectionOf(part);
    const QString line = connection.toDisplayString() + ":" + " NM=" + module->netmask().toString()
                         + " TP=" + transportProtocolText(module->transportProtocol())
                         + " RM=" + networkRoleText(module->routingMode())
                         + " BR=" + QString::number(module->baudrate());
    const QVector<int> reasons = moduleReachabilityReasons(*module);
    const DevNetworkInterface settings(*module);
    module->deleteLater();
    if (m_stopRequested)
        return;
    emit newLogLine(line);
    if (!isReachable(reasons)) {
        emit newLogLine(connection.toDisplayString() + ": " + firstReasonText(reasons));
        report(connection, DeviceInfo(), reasons, settings);
        return;
    }
    m_candidates.append({part, settings});
    startGetter(part);
}

void NetworkSearch::startGetter(const NetworkConnectionPart& part)
{
    auto* getter = new AsyncDevInfoGetter(m_searchInfo->commandCreator(), m_logger,
                                          m_searchInfo->networkVariant(), connectionOf(part), this);
    getter->setServersManager(m_serversManager);
    getter->setTimings(m_probeTimings);
    connect(getter, &AsyncDevInfoGetter::finished, this, &NetworkSearch::onDevInfoGetterFinished);
    m_pendingGetters.insert(getter);
    getter->start();
}

void NetworkSearch::onDevInfoGetterFinished(bool success)
{
    auto* getter = qobject_cast<AsyncDevInfoGetter*>(sender());
    if (!getter || !m_pendingGetters.remove(getter))
        return;
    getter->deleteLater();
    const ConnectionInfo connection = getter->connectionInfo();
    if (!success) {
        QString reason;
        switch (getter->result()) {
        case AsyncDevInfoGetter::NoParticularReason: return;
        case AsyncDevInfoGetter::NoAnswerToInfo:
            reason = tr("does not respond to read info");
            break;
        case AsyncDevInfoGetter::NoAnswerToEcho: reason = tr("does not respond"); break;
        case AsyncDevInfoGetter::NotOpened: reason = tr("could not open interface!"); break;
        default: reason = tr("failed to send command!"); break;
        }
        emit newLogLine(connection.toDisplayString() + ": " + reason);
        return;
    }
    DevNetworkInterface settings;
    for (const auto& candidate : qAsConst(m_candidates)) {
        if (candidate.first == connection.networkPart()) {
            settings = candidate.second;
            break;
        }
    }
    report(connection, getter->deviceInfo(), {}, settings);
}

void NetworkSearch::report(const ConnectionInfo& connection, const DeviceInfo& device,
                           const QVector<int>& reasons, const DevNetworkInterface& settings)
{
    registerConnectionRecordTypes();
    DeviceConnectionInfo found;
    found.connectionInfo = connection;
    found.deviceInfo = device;
    found.commandVariant = m_searchInfo->networkVariant();
    found.reasons = reasons;
    found.networkInterface = settings;
    emit deviceFound(QVariant::fromValue(found));
}

} // namespace Communication
} // namespace Common
