#include "ui/ConnectionStateChangeDispatcher.h"

#include "ui/ConnectionStateChangeMessageBoxHandler.h"
#include "ui/IConnectionStateChangeHandler.h"

namespace Common {

using Communication::DeviceConnectionInfo;

ConnectionStateChangeDispatcher::ConnectionStateChangeDispatcher(QObject* parent) : QObject(parent)
{ }

void ConnectionStateChangeDispatcher::setConnectionStateChangeHandler(
    IConnectionStateChangeHandler* handler)
{
    m_handler = handler;
}

void ConnectionStateChangeDispatcher::setMessageBoxHandler(
    ConnectionStateChangeMessageBoxHandler* handler)
{
    m_boxes = handler;
}

void ConnectionStateChangeDispatcher::onConnectingTo(const DeviceConnectionInfo& info)
{
    if (m_handler)
        m_handler->onConnectionStateChange(IConnectionStateChangeHandler::Connecting, info);
}

void ConnectionStateChangeDispatcher::onConnectedTo(const DeviceConnectionInfo& info)
{
    dispatch(tr("Connected to:"), IConnectionStateChangeHandler::Connected, info);
}

void ConnectionStateChangeDispatcher::onCouldNotConnect(const DeviceConnectionInfo& info)
{
    dispatch(tr("Unable to connect:"), IConnectionStateChangeHandler::CouldNotConnect, info);
}

void ConnectionStateChangeDispatcher::onDisconnectedFrom(const DeviceConnectionInfo& info,
                                                         int reason)
{
    QString header;
    switch (reason) {
    case 0: header = tr("No communication with device.\nDisconnected from:"); break;
    case 1: header = tr("Unable to connect:"); break;
    case 3: header = tr("Communication issues.\nDisconnected from:"); break;
    default: header = tr("Disconnected from:"); break;
    }
    dispatch(header, IConnectionStateChangeHandler::Disconnected, info);
}

void ConnectionStateChangeDispatcher::dispatch(const QString& header, int event,
                                               const DeviceConnectionInfo& info)
{
    if (m_boxes)
        m_boxes->showConnectionMessage(header, info);
    if (m_handler)
        m_handler->onConnectionStateChange(event, info);
}

} // namespace Common
