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
    factory->setServersManager(servers);
}

ConnectionManager::ConnectionManager(ITargetManager* targets, ServersManager*, ILogger* logger,
                                     QThread* worker, std::unique_ptr<InterfaceFactory> factory,
                                     QObject* parent)
    : QObject(parent), targets(targets), logger(logger), worker(worker), factory(std::move(factory))
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
        QMutexLocker lock(&mutex);
        if (actionPending)
            return false;
        actionPending = true;
        action = requested;
        pendingInfo = info;
        if (requested == ConnectAction)
            pendingDeviceType = deviceType;
    }
    emit scheduledAction();
    return true;
}

QPair<bool, bool> ConnectionManager::statusFlags()
{
    QMutexLocker lock(&mutex);
    return qMakePair(connected, actionPending);
}

int ConnectionManager::deviceType()
{
    QMutexLocker lock(&mutex);
    return connectionDeviceType;
}

void ConnectionManager::onActionScheduled()
{
    IDevice* leaving = nullptr;
    bool connectHere = false;
    bool finished = false;
    {
        QMutexLocker lock(&mutex);
        actionStarted = action != NoAction;
        if (action == ConnectAction) {
            // The new connection follows when the device reports it has gone.
            if (connected && device)
                leaving = device;
            else
                connectHere = true;
        } else if (action == DisconnectAction) {
            if (connected && device) {
                leaving = device;
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
        QMutexLocker lock(&mutex);
        info = pendingInfo;
        type = pendingDeviceType;
    }
    IDevice* target = targets ? targets->target(type) : nullptr;
    if (!target) {
        // No device serves this type: nothing could ever report an outcome.
        {
            QMutexLocker lock(&mutex);
            current = info;
            endActionLocked();
        }
        emit couldNotConnect(QVariant::fromValue(info));
        return;
    }
    CInterface* transport = factory ? factory->create(info) : nullptr;
    auto* engine = new CommnadEngine();
    if (transport)
        engine->setInterface(transport);
    engine->setLogger(logger);
    if (worker)
        engine->moveToThread(worker);
    {
        QMutexLocker lock(&mutex);
        current = info;
        detachDeviceLocked();
        device = target;
        connect(device, &IDevice::connectionStateChanged, this,
                &ConnectionManager::onDeviceStateChange, Qt::QueuedConnection);
        connect(device, &IDevice::connectionFailed, this, &ConnectionManager::onConnectionFailed,
                Qt::QueuedConnection);
    }
    target->setCommandEngine(engine);
    target->requestConnect();
}

void ConnectionManager::detachDeviceLocked()
{
    if (device)
        disconnect(device, nullptr, this, nullptr);
}

void ConnectionManager::endActionLocked()
{
    action = NoAction;
    actionPending = false;
    actionStarted = false;
}

void ConnectionManager::onDeviceStateChange(int state, int reason)
{
    ConnectionInfo record;
    IDevice* connectedDevice = nullptr;
    bool finished = false;
    bool connectHere = false;
    {
        QMutexLocker lock(&mutex);
        connected = false;
        switch (state) {
        case IDevice::Disconnected:
            record = current;
            // A drop reported just after a request was made: onActionScheduled()
            // still comes and finds nothing connected.
            if (!actionStarted)
                break;
            if (action == DisconnectAction) {
                detachDeviceLocked();
                endActionLocked();
                finished = true;
            } else if (action == ConnectAction) {
                // Connecting again to what has just gone (or just failed) ends here.
                if (pendingInfo == current) {
                    detachDeviceLocked();
                    endActionLocked();
                } else {
                    connectHere = true;
                }
            }
            break;
        case IDevice::Connecting: record = pendingInfo; break;
        case IDevice::Connected:
            connected = true;
            connectionDeviceType = pendingDeviceType;
            if (action == ConnectAction)
                endActionLocked();
            record = current;
            connectedDevice = device;
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
        QMutexLocker lock(&mutex);
        endActionLocked();
        record = pendingInfo;
    }
    emit couldNotConnect(QVariant::fromValue(record));
}

} // namespace Communication
} // namespace Common
