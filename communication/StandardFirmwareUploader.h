#pragma once

#include "communication/AbstractFirmwareUploader.h"
#include "communication/CInterface.h"
#include "communication/CommnadEngine.h"
#include "communication/ILineHandler.h"

#include <QTimer>

namespace Common {
namespace Communication {

class Command;

// Sends an S19 image record by record through a command engine of its own:
// optional bootloader hand-shake, switch of a serial port to 115200 baud,
// then one record per command, each answered "f1" (next), "f2" (failure) or
// "f3" (the device has finished). Every upload ends with exactly one
// uploadFinished().
class StandardFirmwareUploader : public AbstractFirmwareUploader, public ILineHandler
{
    Q_OBJECT

public:
    static constexpr int UploadBaudRate = 115200;

    explicit StandardFirmwareUploader(QObject* parent = nullptr);

    void upload() override;
    void setInterface(CInterface* interface) override;
    bool handleLine(QString line) override;

    // Ends a running upload as failed (the connection is going away).
    void abort();
    bool isRunning() const { return m_running; }

    void setHandshakeTimeout(int ms) { m_handshakeTimer.setInterval(ms); }
    void setLineTimeout(int ms) { m_lineTimeout = ms; }
    void setBootloaderPause(int ms) { m_bootloaderPause = ms; }
    void setFinishInterval(int ms) { m_finishTimer.setInterval(ms); }
    // How many finish intervals to wait for "f3" after the last record.
    void setFinishWaitLimit(int count) { m_finishWaitLimit = count; }

public slots:
    void onCommandFinished(int status);
    void onInterfaceFailed();
    void onFinishTimer();

private:
    enum Step { Idle = 0, Handshake = 1, Transfer = 2 };

    bool send(Command* command, int timeout);
    void startTransfer();
    void sendCurrentLine();
    void finishStep();
    void finish(int result);

    CommnadEngine m_engine;
    Step m_step = Idle;
    bool m_running = false;
    QTimer m_finishTimer;
    // The engine would rewrite the hand-shake on its own time-out; the
    // bootloader must see it once, so this timer bounds the wait instead.
    QTimer m_handshakeTimer;
    bool m_done = false;
    int m_finishWaits = 0;
    int m_finishWaitLimit = 10;
    int m_lineTimeout = 800;
    int m_bootloaderPause = 100;
};

} // namespace Communication
} // namespace Common
