#pragma once

#include "communication/DeviceConnectionInfo.h"
#include "search/INetworkInterfaceUpdatable.h"
#include "search/ITabSearchingController.h"

#include <QObject>
#include <QVariant>
#include <optional>

class SearchParameters;
struct MessageBoxContext;
struct SearchTabData;

namespace Common {

class ConnectionStateChangeDispatcher;
class IMessageBoxesSearchSettings;
class ITabSearching;
class SearchEngine;

namespace Communication {
class ConnectionManager;
class IONetworkSettingsChanger;
class ISearchInfo;
} // namespace Communication

// The logic behind the search page: runs the search, keeps the found devices
// that the page's table shows row by row, connects to and disconnects from
// the device of a row, leads an unreachable LAN device through the settings
// change, and passes the connection events on to the dispatcher. GUI thread;
// the engine and the connection manager answer through queued signals.
class TabSearchingController : public QObject,
                               public ITabSearchingController,
                               public Communication::INetworkInterfaceUpdatable
{
    Q_OBJECT

public:
    enum SearchState { Idle = 0, WaitingForDisconnection = 1, Searching = 2 };
    enum ConnectionState { Connected = 0, NotConnected = 1, Connecting = 2, RequestUnderWay = 4 };

    TabSearchingController(IMessageBoxesSearchSettings* searchSettingsBoxes, SearchEngine* engine,
                           SearchTabData* data, ConnectionStateChangeDispatcher* dispatcher,
                           MessageBoxContext* messageBoxes,
                           Communication::ConnectionManager* connectionManager,
                           Communication::ISearchInfo* searchInfo, SearchParameters* parameters,
                           Communication::IONetworkSettingsChanger* changer,
                           QObject* parent = nullptr);
    ~TabSearchingController() override;

    void startSearch() override;
    void stopSearch() override;
    void setTab(ITabSearching* tab) override;
    void onSelectionChanged() override;
    void onTabShown() override;
    void connectDevice(int row) override;
    void disconnectDevice() override;
    void openSearchSettings() override;

    void updateNetworkInterface(const Communication::ConnectionInfo& old,
                                const Communication::DevNetworkInterface& settings) override;

    int searchState() const { return m_searchState; }

signals:
    void search(bool ignoreNetwork, bool ignoreSerial);
    void stopSearching();

public slots:
    void onConnectingTo(QVariant ci);
    void onConnection(QVariant ci, QVariant di);
    void onDisconnection(QVariant ci, int reason);
    void onFailedConnection(QVariant ci);
    void onDisconnectionFinished();
    void onProgressChanged(int progress);
    void onNewDeviceFound();
    void onSearchingFinished();
    void onModuleChangerFinished(bool success);
    void onNewLogLine(QString line);

private:
    void refreshConnectionButton();
    void setConnectionState(int state);
    void requestStop(const QString& reason);
    // Row -1 is the last row.
    void fillRow(int row);
    void connectTo(const Communication::DeviceConnectionInfo& device);
    void changeModuleSettings(const Communication::DeviceConnectionInfo& device);
    // The row of the first found device reached through ci, or -1.
    int rowOf(const QVariant& ci) const;

    IMessageBoxesSearchSettings* m_searchSettingsBoxes;
    SearchEngine* m_engine;
    SearchTabData* m_data;
    ConnectionStateChangeDispatcher* m_dispatcher;
    MessageBoxContext* m_messageBoxes;
    Communication::ConnectionManager* m_connectionManager;
    Communication::ISearchInfo* m_searchInfo;
    SearchParameters* m_parameters;
    Communication::IONetworkSettingsChanger* m_changer;

    ITabSearching* m_tab = nullptr;
    int m_searchState = Idle;
    bool m_changerBusy = false;
    std::optional<Communication::DeviceConnectionInfo> m_pending;
};

} // namespace Common
