#pragma once

#include "communication/ConnectionInfo.h"
#include "communication/DevNetworkInterface.h"
#include "search/IONetworkSettingsChanger.h"
#include "search/ModuleFactory.h"

#include <QPointer>
#include <QVariant>

namespace Common {

class IConnectionDailogSilencer;
class INetworkSettingsDialog;

namespace Communication {

class ConnectionManager;
class ILogger;
class INetworkInterfaceUpdatable;
class NInterfaceSetter;

// Changes an unreachable LAN device's module settings: writes the desired
// settings, reads them back after the module's restart, then connects with
// what the module really has (or, when the change failed, with the old
// settings), reporting each step and a summary in the dialog.
class NetworkSettingsChanger : public IONetworkSettingsChanger
{
    Q_OBJECT

public:
    enum State { Idle = 0, Changing = 2, Connecting = 4, Finished = 5 };

    NetworkSettingsChanger(ConnectionManager* manager, IConnectionDailogSilencer* silencer,
                           ILogger* logger, QObject* parent = nullptr);

    bool changeSettings(const DevNetworkInterface& current, const DevNetworkInterface& desired,
                        INetworkSettingsDialog* dialog) override;
    void setUpdatable(INetworkInterfaceUpdatable* updatable) { m_updatable = updatable; }
    void setModuleEndpoints(const ModuleEndpoints& endpoints) { m_endpoints = endpoints; }
    int state() const { return m_state; }

    static QString setterErrorText(int ret);
    static QString summaryText(int outcome);

public slots:
    void onConnection(QVariant ci, QVariant di);
    void onDisconnection(QVariant ci, int reason);
    void onConnectingFail(QVariant ci);
    void onInterfaceSettingFinished(int ret);

private:
    void connectWith(const DevNetworkInterface& settings, const QString& step, int ok, int fail);
    void finish(int outcome);
    // The dialog, or none once it has been closed and destroyed.
    INetworkSettingsDialog* dialog() const;

    ConnectionManager* m_manager;
    IConnectionDailogSilencer* m_silencer;
    ILogger* m_logger;
    NInterfaceSetter* m_setter = nullptr;
    INetworkInterfaceUpdatable* m_updatable = nullptr;
    DevNetworkInterface m_desired;
    DevNetworkInterface m_current;
    DevNetworkInterface m_readBack;
    ConnectionInfo m_rowKey;
    INetworkSettingsDialog* m_dialog = nullptr;
    QPointer<QObject> m_dialogObject;
    bool m_dialogIsObject = false;
    int m_deviceType = 0;
    int m_state = Idle;
    int m_successOutcome = 6;
    ModuleEndpoints m_endpoints;
};

} // namespace Communication
} // namespace Common
