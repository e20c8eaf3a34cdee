#include "search/NetworkSettingsChanger.h"

#include "communication/ConnectionManager.h"
#include "search/INetworkInterfaceUpdatable.h"
#include "search/INetworkSettingsDialog.h"
#include "search/ModuleConnectionInfo.h"
#include "search/NInterfaceSetter.h"
#include "search/Reachability.h"
#include "ui/IConnectionDailogSilencer.h"

namespace Common {
namespace Communication {

NetworkSettingsChanger::NetworkSettingsChanger(ConnectionManager* manager,
                                               IConnectionDailogSilencer* silencer, ILogger* logger,
                                               QObject* parent)
    : IONetworkSettingsChanger(parent), m_manager(manager), m_silencer(silencer), m_logger(logger)
{ }

QString NetworkSettingsChanger::setterErrorText(int ret)
{
    switch (ret) {
    case 2: return tr("New settings do not match desired ones");
    case 3: return tr("Could not read info after setting change");
    case 4: return tr("Command failed");
    case 5: return tr("Command timed out");
    default: return QString();
    }
}

QString NetworkSettingsChanger::summaryText(int outcome)
{
    switch (outcome) {
    case 0:
        return tr("Settings changed successfully. New settings make the device not reachable - no "
                  "connection.");
    case 1: return tr("Settings changed successfully, and connected successfully.");
    case 2:
        return tr("Device settings are different from desired ones and make device unreachable.");
    case 3:
        return tr("Device settings are different from desired ones, connected successfully using "
                  "them.");
    case 4:
        return tr("Failed to change settings, current settings make the device not reachable - no "
                  "connection");
    case 5: return tr("Failed to change settings, connected successfully using old settings.");
    case 6: return tr("Failed to connect.");
    default: return QString();
    }
}

INetworkSettingsDialog* NetworkSettingsChanger::dialog() const
{
    // A dialog that is a QObject is followed by a guarded pointer: the user
    // may close it, and the page destroy it, while the change goes on.
    return m_dialogIsObject && !m_dialogObject ? nullptr : m_dialog;
}

bool NetworkSettingsChanger::changeSettings(const DevNetworkInterface& current,
                                            const DevNetworkInterface& desired,
                                            INetworkSettingsDialog* dialog)
{
    m_deviceType = m_manager ? m_manager->deviceType() : 0;
    if (m_silencer)
        m_silencer->setSilent(true);
    m_current = current;
    m_desired = desired;
    m_dialog = dialog;
    m_dialogObject = dynamic_cast<QObject*>(dialog);
    m_dialogIsObject = m_dialogObject != nullptr;
    if (auto* d = this->dialog())
        d->setSummary(tr("Work in progress, please wait..."));
    if (m_manager) {
        connect(m_manager, &ConnectionManager::connectedTo, this,
                &NetworkSettingsChanger::onConnection, Qt::QueuedConnection);
        connect(m_manager, &ConnectionManager::disconnectedFrom, this,
                &NetworkSettingsChanger::onDisconnection, Qt::QueuedConnection);
        connect(m_manager, &ConnectionManager::couldNotConnect, this,
                &NetworkSettingsChanger::onConnectingFail, Qt::QueuedConnection);
    }
    if (auto* d = this->dialog())
        d->addStep(tr("Changing device's network settings"));
    m_state = Changing;
    m_setter = new NInterfaceSetter(m_logger);
    m_setter->setModuleEndpoints(m_endpoints);
    if (current.isEspBroadcastPort() || current.udpPort() == m_endpoints.espBroadcast)
        m_setter->setMaxRetries(20);
    connect(m_setter, &NInterfaceSetter::settingFinished, this,
            &NetworkSettingsChanger::onInterfaceSettingFinished);
    m_setter->start(current, desired);
    return true;
}

void NetworkSettingsChanger::onInterfaceSettingFinished(int ret)
{
    if (auto* d = dialog())
        d->setStepResult(ret == 0, setterErrorText(ret));
    const bool hasReadBack = m_setter && m_setter->hasReadBack();
    if (m_setter) {
        m_readBack = m_setter->readBack();
        m_setter->deleteLater();
        m_setter = nullptr;
    }
    m_rowKey = makeConnectionInfo(m_current);
    if (hasReadBack) {
        if (ret == 0)
            connectWith(m_readBack, tr("Trying to connect to the device with new settings"), 1, 0);
        else
            connectWith(m_readBack,
                        tr("Trying to connect to the device with settings read from device"), 3, 2);
    } else {
        connectWith(m_current, tr("Trying to connect to the device with old settings"), 5, 4);
    }
}

void NetworkSettingsChanger::connectWith(const DevNetworkInterface& settings, const QString& step,
                                         int ok, int fail)
{
    m_successOutcome = ok;
    if (m_updatable)
        m_updatable->updateNetworkInterface(m_rowKey, settings);
    m_rowKey = makeConnectionInfo(settings);
    if (!isReachable(reachabilityReasons(settings))) {
        finish(fail);
        return;
    }
    if (auto* d = dialog())
        d->addStep(step);
    m_state = Connecting;
    // A connect request refused (another one pending) brings no answer: the
    // change must not wait for one.
    if (!m_manager || !m_manager->requestConnect(makeConnectionInfo(settings), m_deviceType)) {
        if (auto* d = dialog())
            d->setStepResult(false, QString());
        finish(6);
    }
}

void NetworkSettingsChanger::onConnection(QVariant, QVariant)
{
    if (m_state != Connecting)
        return;
    if (auto* d = dialog())
        d->setStepResult(true, QString());
    finish(m_successOutcome);
}

void NetworkSettingsChanger::onDisconnection(QVariant, int)
{
    if (m_state != Connecting)
        return;
    if (auto* d = dialog())
        d->setStepResult(false, QString());
    finish(6);
}

void NetworkSettingsChanger::onConnectingFail(QVariant ci) { onDisconnection(ci, 0); }

void NetworkSettingsChanger::finish(int outcome)
{
    m_state = Finished;
    if (auto* d = dialog()) {
        d->setSummary(summaryText(outcome));
        d->enableClose();
    }
    if (m_silencer)
        m_silencer->setSilent(false);
    if (m_manager)
        disconnect(m_manager, nullptr, this, nullptr);
    emit finished(outcome < 2);
}

} // namespace Communication
} // namespace Common
