#pragma once

#include "communication/DeviceConnectionInfo.h"
#include "ui/IRetranslatable.h"

#include <QPointer>
#include <QVector>

class QLabel;
class QStatusBar;

namespace Common {

// Fills the main window's status bar: connection state, device model, serial
// number, how the device is reached and the drying controller's state text.
class StatusBarHandler : public IRetranslatable
{
public:
    enum Label { StateLabel, ModelLabel, SerialLabel, ConnectionLabel, StateTextLabel, LabelCount };

    // Connection events as the connection-state dispatcher delivers them.
    enum Event {
        EventConnected = 0,
        EventConnecting = 1,
        EventDisconnected = 2,
        EventListening = 3
    };

    void install(QStatusBar* statusBar);
    void onConnectionStateChanged(int event, const Communication::DeviceConnectionInfo& info);
    void setStateText(const QString& text);
    void retranslate() override;

private:
    void refresh();
    void setLabel(int label, const QString& text);

    // The status bar owns the labels; the pointers clear themselves should
    // the window go first.
    QVector<QPointer<QLabel>> m_labels;
    int m_event = EventDisconnected;
    Communication::DeviceConnectionInfo m_info;
};

} // namespace Common
