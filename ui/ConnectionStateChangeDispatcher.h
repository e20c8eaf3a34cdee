#pragma once

#include "communication/DeviceConnectionInfo.h"

#include <QObject>

namespace Common {

class ConnectionStateChangeMessageBoxHandler;
class IConnectionStateChangeHandler;

// Turns the connection manager's events into a message box that names the
// device and a call of the product's connection-state handler. GUI thread.
class ConnectionStateChangeDispatcher : public QObject
{
    Q_OBJECT

public:
    explicit ConnectionStateChangeDispatcher(QObject* parent = nullptr);

    void setConnectionStateChangeHandler(IConnectionStateChangeHandler* handler);
    void setMessageBoxHandler(ConnectionStateChangeMessageBoxHandler* handler);

    void onConnectingTo(const Communication::DeviceConnectionInfo& info);
    void onConnectedTo(const Communication::DeviceConnectionInfo& info);
    void onCouldNotConnect(const Communication::DeviceConnectionInfo& info);
    void onDisconnectedFrom(const Communication::DeviceConnectionInfo& info, int reason);

private:
    void dispatch(const QString& header, int event,
                  const Communication::DeviceConnectionInfo& info);

    IConnectionStateChangeHandler* m_handler = nullptr;
    ConnectionStateChangeMessageBoxHandler* m_boxes = nullptr;
};

} // namespace Common
