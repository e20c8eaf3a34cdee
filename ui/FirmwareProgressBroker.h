#pragma once

#include <QObject>

class IFirmwareProgressReceiver;

// Gives an upload's signals, which come from another thread, a slot face
// that reaches the receiver as queued calls on the GUI thread.
class FirmwareProgressBroker : public QObject
{
    Q_OBJECT

public:
    explicit FirmwareProgressBroker(QObject* parent = nullptr);
    void setReceiver(IFirmwareProgressReceiver* receiver) { m_receiver = receiver; }

public slots:
    void onProgress(int percent);
    void onFinish(int result);
    void onStateChange(int state);

private:
    IFirmwareProgressReceiver* m_receiver = nullptr;
};
