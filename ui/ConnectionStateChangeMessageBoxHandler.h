#pragma once

#include "communication/DeviceConnectionInfo.h"
#include "ui/IConnectionDailogSilencer.h"

#include <QList>
#include <QObject>
#include <QPair>

namespace Common {

// Shows the box that names the device of a connection event, on a later turn
// of the event loop, unless it has been silenced.
class ConnectionStateChangeMessageBoxHandler : public QObject, public IConnectionDailogSilencer
{
    Q_OBJECT

public:
    explicit ConnectionStateChangeMessageBoxHandler(QObject* parent = nullptr);

    void showConnectionMessage(const QString& header,
                               const Communication::DeviceConnectionInfo& info);
    void setSilent(bool silent) override;

signals:
    void enqueueMessageBox(QString header, QString message);

public slots:
    void enqueuedMessageBox(QString header, QString message);

private:
    bool m_showBoxes = true;
    bool m_showing = false;
    QList<QPair<QString, QString>> m_waiting;
};

} // namespace Common
