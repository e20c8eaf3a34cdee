#include "communication/ConnectionManager.h"

#include "communication/CInterface.h"
#include "communication/CommnadEngine.h"
#include "communication/IDevice.h"
#include "communication/ITargetManager.h"
#include "communication/InterfaceFactory.h"

#include <QMutexLocker>
#include <QThread>

namespace Common {
namespace Communication {

ConnectionManager::ConnectionManager(ITargetManager* targets, ServersManager* servers,
                                     ILogger* logger, QThread* worker, QObject* parent)
    : ConnectionManager(targets, servers, logger, worker, std::make_unique<InterfaceFactory>(),
                        parent)
{
    m_factory->setServersManager(servers);
}

ConnectionManager::ConnectionManager(ITargetManager* targets, ServersManager*, ILogger* logger,
                                     QThread* worker, std::unique_ptr<InterfaceFactory> factory,
                                     QObject* parent)
    : QObject(parent), m_targets(targets), m_logger(logger), m_worker(worker),
      m_factory(std::move(factory))
{
    if (worker)
        moveToThread(worker);
    connect(this, &ConnectionManager::scheduledAction, this, &ConnectionManager::onActionScheduled,
            Qt::QueuedConnection);
}

ConnectionManager::~ConnectionManager() = default;

bool ConnectionManager::requestConnect(ConnectionInfo info, int deviceType)
{
    return scheduleAction(ConnectAction, info, deviceType);
}

bool ConnectionManager::requestDisconnect()
{
    return scheduleAction(DisconnectAction, ConnectionInfo(), 0);
}

bool ConnectionManager::scheduleAction(int requested, const ConnectionInfo& info, int deviceType)
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_actionPending)
            return false;
        m_actionPending = true;
        m_action = requested;
        m_pendingInfo = info;
        if (requested == ConnectAction)
            m_pendingDeviceType = deviceType;
    }
    emit scheduledAction();
    return true;
}

QPair<bool, bool> ConnectionManager::statusFlags()
{
    QMutexLocker lock(&m_mutex);
    return qMakePair(m_connected, m_actionPending);
}

int ConnectionManager::deviceType()
{
    QMutexLocker lock(&m_mutex);
    return m_connectionDeviceType;
}

void ConnectionManager::onActionScheduled()
{
    IDevice* leaving = nullptr;
    bool connectHere = false;
    bool finished = false;
    {
        QMutexLocker lock(&m_mutex);
        m_actionStarted = m_action != NoAction;
        if (m_action == ConnectAction) {
            // The new connection follows when the device reports it has gone.
            if (m_connected && m_device)
                leaving = m_device;
            else
                connectHere = true;
        } else if (m_action == DisconnectAction) {
            if (m_connected && m_device) {
                leaving = m_device;
            } else {
                endActionLocked();
                finished = true;
            }
        }
    }
    if (leaving)
        leaving->requestDisconnect();
    if (connectHere)
        connectNow();
    if (finished)
        emit disconnectionFinished();
}

void ConnectionManager::connectNow()
{
    ConnectionInfo info;
    int type = 0;
    {
        QMutexLocker lock(&m_mutex);
        info = m_pendingInfo;
        type = m_pendingDeviceType;
    }
    IDevice* target = m_targets ? m_targets->target(type) : nullptr;
    if (!target) {
        // No device serves this type: nothing could ever report an outcome.
        {
            QMutexLocker lock(&m_mutex);
            m_current = info;
            endActionLocked();
        }
        emit couldNotConnect(QVariant::fromValue(info));
        return;
    }
    CInterface* transport = m_factory ? m_factory->create(info) : nullptr;
    auto* engine = new CommnadEngine();
    if (transport)
        engine->setInterface(transport);
    engine->setLogger(m_logger);
    if (m_worker)
        engine->moveToThread(m_worker);
    {
        QMutexLocker lock(&m_mutex);
        m_current = info;
        detachDeviceLocked();
        m_device = target;
        connect(m_device, &IDevice::connectionStateChanged, this,
                &ConnectionManager::onDeviceStateChange, Qt::QueuedConnection);
        connect(m_device, &IDevice::connectionFailed, this, &ConnectionManager::onConnectionFailed,
                Qt::QueuedConnection);
    }
    target->setCommandEngine(engine);
    target->requestConnect();
}

void ConnectionManager::detachDeviceLocked()
{
    if (m_device)
        disconnect(m_device, nullptr, this, nullptr);
}

void ConnectionManager::endActionLocked()
{
    m_action = NoAction;
    m_actionPending = false;
    m_actionStarted = false;
}

void ConnectionManager::onDeviceStateChange(int state, int reason)
{
    ConnectionInfo record;
    IDevice* connectedDevice = nullptr;
    bool finished = false;
    bool connectHere = false;
    {
        QMutexLocker lock(&m_mutex);
        m_connected = false;
        switch (state) {
        case IDevice::Disconnected:
            record = m_current;
            // A drop reported just after a request was made: onActionScheduled()
            // still comes and finds nothing connected.
            if (!m_actionStarted)
                break;
            if (m_action == DisconnectAction) {
                detachDeviceLocked();
                endActionLocked();
                finished = true;
            } else if (m_action == ConnectAction) {
                // Connecting again to what has just gone (or just failed) ends here.
                if (m_pendingInfo == m_current) {
                    detachDeviceLocked();
                    endActionLocked();
                } else {
                    connectHere = true;
                }
            }
            break;
        case IDevice::Connecting: record = m_pendingInfo; break;
        case IDevice::Connected:
            m_connected = true;
            m_connectionDeviceType = m_pendingDeviceType;
            if (m_action == ConnectAction)
                endActionLocked();
            record = m_current;
            connectedDevice = m_device;
            break;
        default: return;
        }
    }
    switch (state) {
    case IDevice::Disconnected:
        emit disconnectedFrom(QVariant::fromValue(record), reason);
        if (finished)
            emit disconnectionFinished();
        if (connectHere)
            connectNow();
        break;
    case IDevice::Connecting: emit connectingTo(QVariant::fromValue(record)); break;
    case IDevice::Connected:
        emit connectedTo(
            QVariant::fromValue(record),
            QVariant::fromValue(connectedDevice ? connectedDevice->deviceInfo() : DeviceInfo()));
        break;
    default: break;
    }
}

void ConnectionManager::onConnectionFailed()
{
    ConnectionInfo record;
    {
        QMutexLocker lock(&m_mutex);
        endActionLocked();
        record = m_pendingInfo;
    }
    emit couldNotConnect(QVariant::fromValue(record));
}

} // namespace Communication
} // namespace Common
