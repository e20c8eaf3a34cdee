#include "analyzer/OfflineFirmwareWorker.h"

#include "communication/CRS232.h"
#include "communication/IFirmwareUploader.h"

namespace KD {
namespace Communication {

OfflineFirmwareWorker::OfflineFirmwareWorker(QObject* parent) : QObject(parent) { }

OfflineFirmwareWorker::~OfflineFirmwareWorker()
{
    // Free the port for the next upload; the uploader's engine has taken the
    // port as its child and deletes it with itself.
    if (port)
        port->close();
    delete uploader;
}

void OfflineFirmwareWorker::setUploader(Common::Communication::IFirmwareUploader* uploader)
{
    this->uploader = uploader;
    uploader->setParent(this);
}

void OfflineFirmwareWorker::start()
{
    if (connection.hasSerial()) {
        const auto& serial = connection.serialPart();
        port = new CRS232(serial.portName, serial.baudRate, QString(), this);
        if (!port->open()) {
            delete port;
            port = nullptr;
        }
    }
    if (!port || !uploader) {
        emit uploadFinished(0);
        return;
    }
    uploader->setInterface(port);
    uploader->upload();
}

} // namespace Communication
} // namespace KD
