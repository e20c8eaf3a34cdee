#include "ui/ConnectionStateChangeMessageBoxHandler.h"

#include "ui/IMessageBoxPresenter.h"
#include "ui/MessageBoxContext.h"

namespace Common {

ConnectionStateChangeMessageBoxHandler::ConnectionStateChangeMessageBoxHandler(QObject* parent)
    : QObject(parent)
{
    // Queued, so the box opens after the dispatcher has told the handler.
    connect(this, &ConnectionStateChangeMessageBoxHandler::enqueueMessageBox, this,
            &ConnectionStateChangeMessageBoxHandler::enqueuedMessageBox, Qt::QueuedConnection);
}

void ConnectionStateChangeMessageBoxHandler::showConnectionMessage(
    const QString& header, const Communication::DeviceConnectionInfo& info)
{
    if (!m_showBoxes)
        return;
    const Communication::DeviceInfo& device = info.deviceInfo;
    const QString message =
        tr("Interface: %1\n").arg(info.connectionInfo.toDisplayString())
        + tr("Model: %1\n").arg(device.model) + tr("S/N: %1\n").arg(device.serialNumber)
        + tr("Date: %1\n").arg(device.date) + tr("Firmware: %1").arg(device.firmware);
    emit enqueueMessageBox(header, message);
}

void ConnectionStateChangeMessageBoxHandler::setSilent(bool silent) { m_showBoxes = !silent; }

void ConnectionStateChangeMessageBoxHandler::enqueuedMessageBox(QString header, QString message)
{
    m_waiting.append({header, message});
    // A box runs its own event loop, in which the next queued box arrives:
    // that one waits here until the open one is closed.
    if (m_showing)
        return;
    m_showing = true;
    while (!m_waiting.isEmpty()) {
        const QPair<QString, QString> box = m_waiting.takeFirst();
        // No parent and no title: the box stands on its own, whatever window is up.
        MessageBoxRequest request;
        request.icon = QMessageBox::Information;
        request.text = box.first;
        request.informativeText = box.second;
        MessageBoxContext::presenter()->present(request);
    }
    m_showing = false;
}

} // namespace Common
