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
    if (m_port)
        m_port->close();
    delete m_uploader;
}

void OfflineFirmwareWorker::setUploader(Common::Communication::IFirmwareUploader* uploader)
{
    m_uploader = uploader;
    uploader->setParent(this);
}

void OfflineFirmwareWorker::start()
{
    if (m_connection.hasSerial()) {
        const auto& serial = m_connection.serialPart();
        m_port = new CRS232(serial.portName, serial.baudRate, QString(), this);
        if (!m_port->open()) {
            delete m_port;
            m_port = nullptr;
        }
    }
    if (!m_port || !m_uploader) {
        emit uploadFinished(0);
        return;
    }
    m_uploader->setInterface(m_port);
    m_uploader->upload();
}

} // namespace Communication
} // namespace KD
