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
    : QObject(parent), targets(targets), servers(servers), logger(logger), worker(worker)
{
    if (worker)
        moveToThread(worker);
    connect(this, &ConnectionManager::scheduledAction, this, &ConnectionManager::onActionScheduled,
            Qt::QueuedConnection);
}

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
    QMutexLocker lock(&mutex);
    if (actionPending)
        return false;
    actionPending = true;
    action = requested;
    pendingInfo = info;
    if (requested == ConnectAction)
        pendingDeviceType = deviceType;
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
    QMutexLocker lock(&mutex);
    actionStarted = action != NoAction;
    if (action == ConnectAction) {
        // The new connection follows when the device reports it has gone.
        if (connected && device)
            device->requestDisconnect();
        else
            connectNowLocked();
    } else if (action == DisconnectAction) {
        if (connected && device) {
            device->requestDisconnect();
        } else {
            endActionLocked();
            emit disconnectionFinished();
        }
    }
}

void ConnectionManager::connectNowLocked()
{
    InterfaceFactory factory;
    factory.setServersManager(servers);
    CInterface* transport = factory.create(pendingInfo);
    auto* engine = new CommnadEngine();
    current = pendingInfo;
    if (transport)
        engine->setInterface(transport);
    engine->setLogger(logger);
    if (worker)
        engine->moveToThread(worker);

    IDevice* target = targets ? targets->target(pendingDeviceType) : nullptr;
    if (!target) {
        // No device serves this type: nothing could ever report an outcome.
        delete engine;
        endActionLocked();
        emit couldNotConnect(QVariant::fromValue(pendingInfo));
        return;
    }
    if (device && device != target)
        detachDeviceLocked();
    device = target;
    detachDeviceLocked();
    connect(device, &IDevice::connectionStateChanged, this, &ConnectionManager::onDeviceStateChange,
            Qt::QueuedConnection);
    connect(device, &IDevice::connectionFailed, this, &ConnectionManager::onConnectionFailed,
            Qt::QueuedConnection);
    device->setCommandEngine(engine);
    device->requestConnect();
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
    QMutexLocker lock(&mutex);
    connected = false;
    switch (state) {
    case IDevice::Disconnected:
        emit disconnectedFrom(QVariant::fromValue(current), reason);
        // A drop reported just after a request was made: onActionScheduled()
        // still comes and finds nothing connected.
        if (!actionStarted)
            break;
        if (action == DisconnectAction) {
            detachDeviceLocked();
            endActionLocked();
            emit disconnectionFinished();
        } else if (action == ConnectAction) {
            // Connecting again to what has just gone (or just failed) ends here.
            if (pendingInfo == current) {
                detachDeviceLocked();
                endActionLocked();
            } else {
                connectNowLocked();
            }
        }
        break;
    case IDevice::Connecting: emit connectingTo(QVariant::fromValue(pendingInfo)); break;
    case IDevice::Connected:
        connected = true;
        connectionDeviceType = pendingDeviceType;
        if (action == ConnectAction)
            endActionLocked();
        emit connectedTo(QVariant::fromValue(current), QVariant::fromValue(device->deviceInfo()));
        break;
    default: break;
    }
}

void ConnectionManager::onConnectionFailed()
{
    QMutexLocker lock(&mutex);
    endActionLocked();
    emit couldNotConnect(QVariant::fromValue(pendingInfo));
}

} // namespace Communication
} // namespace Common
