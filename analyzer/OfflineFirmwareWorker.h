#pragma once

#include "communication/ConnectionInfo.h"

#include <QObject>
#include <QPointer>

class CRS232;

namespace Common {
namespace Communication {
class IFirmwareUploader;
}
} // namespace Common

namespace KD {
namespace Communication {

// Opens the serial port and runs the firmware uploader on the offline
// upload's own thread. Lives on that thread for one upload.
class OfflineFirmwareWorker : public QObject
{
    Q_OBJECT

public:
    explicit OfflineFirmwareWorker(QObject* parent = nullptr);
    ~OfflineFirmwareWorker() override;

    // The uploader becomes a child of the worker.
    void setUploader(Common::Communication::IFirmwareUploader* uploader);
    void setConnectionInfo(const Common::Communication::ConnectionInfo& info)
    {
        m_connection = info;
    }

signals:
    // Only for a port that cannot be opened; the uploader reports the rest.
    void uploadFinished(int result);
    void uploadProgress(int percent);
    void uploadState(int state);

public slots:
    void start();

private:
    Common::Communication::ConnectionInfo m_connection;
    Common::Communication::IFirmwareUploader* m_uploader = nullptr;
    QPointer<CRS232> m_port;
};

} // namespace Communication
} // namespace KD
