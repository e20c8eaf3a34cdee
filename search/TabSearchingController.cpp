#include "search/TabSearchingController.h"

#include "communication/ConnectionManager.h"
#include "search/IONetworkSettingsChanger.h"
#include "search/ISearchInfo.h"
#include "search/ITabSearching.h"
#include "search/ModuleConnectionInfo.h"
#include "search/NDialogWhyUnreachable.h"
#include "search/NetworkSettingsChangeDialog.h"
#include "search/NoDeviceDialog.h"
#include "search/Reachability.h"
#include "search/SearchEngine.h"
#include "search/SearchSettings.h"
#include "search/SearchTabData.h"
#include "ui/ConnectionStateChangeDispatcher.h"
#include "ui/DialogRunner.h"
#include "ui/MessageBoxContext.h"

namespace Common {

using Communication::ConnectionInfo;
using Communication::DeviceConnectionInfo;
using Communication::DeviceInfo;

TabSearchingController::TabSearchingController(
    IMessageBoxesSearchSettings* searchSettingsBoxes, SearchEngine* engine, SearchTabData* data,
    ConnectionStateChangeDispatcher* dispatcher, MessageBoxContext* messageBoxes,
    Communication::ConnectionManager* connectionManager, Communication::ISearchInfo* searchInfo,
    SearchParameters* parameters, Communication::IONetworkSettingsChanger* changer, QObject* parent)
    : QObject(parent), m_searchSettingsBoxes(searchSettingsBoxes), m_engine(engine), m_data(data),
      m_dispatcher(dispatcher), m_messageBoxes(messageBoxes),
      m_connectionManager(connectionManager), m_searchInfo(searchInfo), m_parameters(parameters),
      m_changer(changer)
{
    // The manager lives on the communication thread and the engine on the
    // search thread: these connections are queued.
    using Communication::ConnectionManager;
    connect(m_connectionManager, &ConnectionManager::connectingTo, this,
            &TabSearchingController::onConnectingTo);
    connect(m_connectionManager, &ConnectionManager::connectedTo, this,
            &TabSearchingController::onConnection);
    connect(m_connectionManager, &ConnectionManager::disconnectedFrom, this,
            &TabSearchingController::onDisconnection);
    connect(m_connectionManager, &ConnectionManager::couldNotConnect, this,
            &TabSearchingController::onFailedConnection);
    connect(m_connectionManager, &ConnectionManager::disconnectionFinished, this,
            &TabSearchingController::onDisconnectionFinished);
    connect(m_engine, &SearchEngine::newLogLine, this, &TabSearchingController::onNewLogLine);
    connect(this, &TabSearchingController::search, m_engine, &SearchEngine::search);
    connect(this, &TabSearchingController::stopSearching, m_engine, &SearchEngine::stopSearching);
    connect(m_engine, &SearchEngine::searchingFinished, this,
            &TabSearchingController::onSearchingFinished);
    connect(m_engine, &SearchEngine::progressChanged, this,
            &TabSearchingController::onProgressChanged);
    connect(m_engine, &SearchEngine::newDeviceFound, this,
            &TabSearchingController::onNewDeviceFound);
    if (m_changer)
        connect(m_changer, &Communication::IONetworkSettingsChanger::finished, this,
                &TabSearchingController::onModuleChangerFinished);
}

TabSearchingController::~TabSearchingController() = default;

// The page calls this from its constructor, before its controls are ready.
void TabSearchingController::setTab(ITabSearching* tab) { m_tab = tab; }

void TabSearchingController::refreshConnectionButton()
{
    if (!m_tab)
        return;
    const int state = m_data->connectionState;
    if (m_tab->isEmpty() || m_tab->hasNoSelection() || state > NotConnected)
        m_tab->setConnectionState(ITabSearching::Greyed);
    else
        m_tab->setConnectionState(state == NotConnected ? ITabSearching::ConnectButton
                                                        : ITabSearching::DisconnectButton);
}

void TabSearchingController::setConnectionState(int state)
{
    m_data->connectionState = state;
    refreshConnectionButton();
}

void TabSearchingController::onSelectionChanged() { refreshConnectionButton(); }

void TabSearchingController::onTabShown() { refreshConnectionButton(); }

void TabSearchingController::startSearch()
{
    if (m_searchState != Idle || m_changerBusy || m_data->connectionState > NotConnected)
        return;
    if (m_connectionManager->statusFlags().first
        && !m_messageBoxes->askQuestion(
            tr("The program is already connected to a device.\nNew search will "
               "cause "
               "disconnection.\n\nAre you sure you want to proceed?")))
        return;
    const int before = m_data->connectionState;
    m_searchState = WaitingForDisconnection;
    m_tab->searchStarted();
    setConnectionState(RequestUnderWay);
    // The search starts on disconnectionFinished(), which also follows when
    // nothing was connected. A refused request (another one is pending)
    // brings no such signal: give the page back instead of waiting forever.
    if (!m_connectionManager->requestDisconnect()) {
        m_searchState = Idle;
        m_tab->searchFinished();
        setConnectionState(before);
    }
}

void TabSearchingController::onDisconnectionFinished()
{
    setConnectionState(NotConnected);
    if (m_searchState != WaitingForDisconnection)
        return;
    m_data->foundDevices.clear();
    m_searchState = Searching;
    m_engine->clearDirectConnectionTarget();
    const DirectConnectionTarget target = m_tab->directTarget();
    if (target.valid)
        m_engine->setDirectConnectionTarget(target.address, target.port);
    const Communication::SearchOptions options = m_searchInfo->searchOptions();
    const SearchModeFlags& modes = m_data->searchModes;
    emit search(!(options.networkSearch && modes.network()), !modes.serial());
}

void TabSearchingController::onProgressChanged(int progress) { m_tab->setProgress(progress); }

void TabSearchingController::onNewLogLine(QString line) { m_tab->appendLog(line); }

void TabSearchingController::stopSearch() { requestStop(tr("Stop requested")); }

void TabSearchingController::requestStop(const QString& reason)
{
    m_tab->setStopEnabled(false);
    m_tab->appendLog(reason + ", " + tr("stopping search procedure..."));
    emit stopSearching();
}

void TabSearchingController::onNewDeviceFound()
{
    const QVector<DeviceConnectionInfo> found = m_engine->foundDevices();
    for (const DeviceConnectionInfo& device : found) {
        if (m_data->foundDevices.contains(device))
            continue;
        m_data->foundDevices.append(device);
        m_tab->addRow();
        fillRow(-1);
    }
}

void TabSearchingController::fillRow(int row)
{
    const QVector<DeviceConnectionInfo>& devices = m_data->foundDevices;
    if (devices.isEmpty())
        return;
    if (row < 0)
        row = devices.size() - 1;
    const DeviceConnectionInfo& device = devices.at(row);
    QMap<int, QString> cells{{0, QString()}, {1, device.connectionInfo.toDisplayString()}};
    QString toolTip;
    if (Communication::isReachable(device.reasons)) {
        cells.insert(2, device.deviceInfo.model);
        cells.insert(3, device.deviceInfo.serialNumber);
        cells.insert(4, device.deviceInfo.date);
        cells.insert(5, device.deviceInfo.firmware);
    } else {
        cells.insert(2, tr("Not reachable!"));
        cells.insert(3, QString());
        cells.insert(4, QString());
        cells.insert(5, QString());
        toolTip = Communication::firstReasonText(device.reasons);
    }
    m_tab->fillRow(row, toolTip, cells);
}

void TabSearchingController::connectDevice(int row)
{
    if ((m_searchState != Idle && m_searchState != Searching) || m_pending || row < 0
        || row >= m_data->foundDevices.size())
        return;
    // A request under way or a running settings change: the answer to it
    // decides what comes next.
    if (m_data->connectionState > NotConnected || m_changerBusy)
        return;
    const DeviceConnectionInfo device = m_data->foundDevices.at(row);
    const bool reachable = Communication::isReachable(device.reasons);
    if (m_searchState == Searching) {
        if (reachable) {
            m_pending = device;
            requestStop(tr("Connection requested"));
        }
        return;
    }
    if (reachable)
        connectTo(device);
    else
        changeModuleSettings(device);
}

void TabSearchingController::connectTo(const DeviceConnectionInfo& device)
{
    const int before = m_data->connectionState;
    setConnectionState(RequestUnderWay);
    if (!m_connectionManager->requestConnect(device.connectionInfo, device.commandVariant))
        setConnectionState(before);
}

void TabSearchingController::changeModuleSettings(const DeviceConnectionInfo& device)
{
    NDialogWhyUnreachable why;
    why.fillRows(device.reasons, device.networkInterface);
    if (DialogRunner::run(why) != QDialog::Accepted || !m_changer)
        return;
    m_changerBusy = true;
    const Communication::DevNetworkInterface desired = why.newSettings();
    NetworkSettingsChangeDialog progress;
    if (!m_changer->changeSettings(device.networkInterface, desired, &progress)) {
        m_changerBusy = false;
        return;
    }
    DialogRunner::run(progress);
}

void TabSearchingController::onModuleChangerFinished(bool) { m_changerBusy = false; }

void TabSearchingController::disconnectDevice()
{
    const int before = m_data->connectionState;
    setConnectionState(RequestUnderWay);
    if (!m_connectionManager->requestDisconnect())
        setConnectionState(before);
}

void TabSearchingController::onSearchingFinished()
{
    m_tab->searchFinished();
    m_tab->appendLog(tr("Search finished"));
    m_searchState = Idle;
    if (m_pending) {
        const DeviceConnectionInfo device = *m_pending;
        m_pending.reset();
        connectTo(device);
    } else if (m_tab->isEmpty()) {
        NoDeviceDialog dialog;
        DialogRunner::run(dialog);
    }
}

void TabSearchingController::updateNetworkInterface(
    const ConnectionInfo& old, const Communication::DevNetworkInterface& settings)
{
    QVector<DeviceConnectionInfo>& devices = m_data->foundDevices;
    for (int row = 0; row < devices.size(); ++row) {
        DeviceConnectionInfo& device = devices[row];
        if (device.connectionInfo != old)
            continue;
        device.reasons = Communication::reachabilityReasons(settings);
        device.connectionInfo = Communication::makeConnectionInfo(settings);
        device.networkInterface = settings;
        fillRow(row);
        return;
    }
}

void TabSearchingController::openSearchSettings()
{
    SearchSettings dialog(m_searchSettingsBoxes, m_parameters, &m_data->searchModes,
                          m_searchInfo->searchOptions().networkSearch != 0);
    DialogRunner::run(dialog);
}

int TabSearchingController::rowOf(const QVariant& ci) const
{
    const ConnectionInfo info = ci.value<ConnectionInfo>();
    const QVector<DeviceConnectionInfo>& devices = m_data->foundDevices;
    for (int row = 0; row < devices.size(); ++row) {
        if (devices.at(row).connectionInfo == info)
            return row;
    }
    return -1;
}

void TabSearchingController::onConnectingTo(QVariant ci)
{
    setConnectionState(Connecting);
    const int row = rowOf(ci);
    if (row >= 0)
        m_dispatcher->onConnectingTo(m_data->foundDevices.at(row));
}

void TabSearchingController::onFailedConnection(QVariant ci)
{
    setConnectionState(NotConnected);
    const int row = rowOf(ci);
    if (row >= 0)
        m_dispatcher->onCouldNotConnect(m_data->foundDevices.at(row));
}

void TabSearchingController::onConnection(QVariant ci, QVariant di)
{
    setConnectionState(Connected);
    const int row = rowOf(ci);
    if (row < 0)
        return;
    const DeviceInfo info = di.value<DeviceInfo>();
    m_tab->updateRow(row, true, info);
    m_data->foundDevices[row].deviceInfo = info;
    m_dispatcher->onConnectedTo(m_data->foundDevices.at(row));
}

void TabSearchingController::onDisconnection(QVariant ci, int reason)
{
    setConnectionState(NotConnected);
    const int row = rowOf(ci);
    if (row < 0)
        return;
    m_tab->updateRow(row, false, std::nullopt);
    m_dispatcher->onDisconnectedFrom(m_data->foundDevices.at(row), reason);
}

} // namespace Common
