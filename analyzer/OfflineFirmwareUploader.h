#pragma once

#include <QObject>
#include <QVector>

class FirmwareProgressBroker;
class QThread;
class S19FirmwareFile;

namespace Common {
namespace Communication {
class ConnectionInfo;
}
} // namespace Common

namespace KD {
namespace Communication {

class OfflineFirmwareWorker;

// Uploads firmware through a serial port of the program's own while no
// analyzer is connected: one worker with its own uploader on a thread of its
// own per upload, released when the upload ends. A thread that does not end
// in time then is kept and waited for again at shut-down.
class OfflineFirmwareUploader : public QObject
{
    Q_OBJECT

public:
    // How long releasing an upload waits for its thread to end.
    static constexpr int kThreadStopTimeoutMs = 3000;

    explicit OfflineFirmwareUploader(QObject* parent = nullptr);
    // Waits for every upload's thread as long as it takes: the worker reads
    // the firmware image, which its owner destroys next.
    ~OfflineFirmwareUploader() override;

    // The image is the drying controller's; it is reloaded for each upload.
    void setFirmwareFile(S19FirmwareFile* file) { m_firmware = file; }
    // The receiver gets the upload's progress and outcome. False when busy or the file is unusable.
    bool upload(const Common::Communication::ConnectionInfo& port, bool useBootloader,
                const QString& path, FirmwareProgressBroker* receiver);
    bool isBusy() const { return m_busy; }
    // For shutting down: ends the running upload's thread and any an
    // earlier upload left, waiting at most `ms` for each; false, with a
    // warning, when one is still running.
    bool stopThreads(int ms);

public slots:
    void onUploadFinish(int status);

private:
    void release(int ms);

    QThread* m_thread = nullptr;
    // Threads of earlier uploads that did not end when released.
    QVector<QThread*> m_left;
    S19FirmwareFile* m_firmware = nullptr;
    OfflineFirmwareWorker* m_worker = nullptr;
    bool m_busy = false;
};

} // namespace Communication
} // namespace KD
