#include "analyzer/OfflineFirmwareUploader.h"

#include "analyzer/OfflineFirmwareWorker.h"
#include "analyzer/S19FirmwareFile.h"
#include "communication/StandardFirmwareUploader.h"
#include "communication/ThreadShutdown.h"
#include "ui/FirmwareProgressBroker.h"

#include <QThread>

namespace KD {
namespace Communication {

OfflineFirmwareUploader::OfflineFirmwareUploader(QObject* parent) : QObject(parent) { }

OfflineFirmwareUploader::~OfflineFirmwareUploader()
{
    if (m_thread)
        m_left.append(m_thread);
    for (QThread* thread : qAsConst(m_left)) {
        thread->quit();
        thread->wait();
    }
}

bool OfflineFirmwareUploader::upload(const Common::Communication::ConnectionInfo& port,
                                     bool useBootloader, const QString& path,
                                     FirmwareProgressBroker* receiver)
{
    if (m_busy || !m_firmware)
        return false;
    m_firmware->clear();
    if (!m_firmware->load(path) || m_firmware->isEmpty())
        return false;

    m_busy = true;
    m_worker = new OfflineFirmwareWorker;
    auto* uploader = new Common::Communication::StandardFirmwareUploader;
    m_thread = new QThread(this);
    uploader->setUseBootloader(useBootloader);
    uploader->setFirmwareFile(m_firmware);
    m_worker->setUploader(uploader);
    m_worker->setConnectionInfo(port);
    m_worker->moveToThread(m_thread);

    using Common::Communication::IFirmwareUploader;
    connect(uploader, &IFirmwareUploader::uploadFinished, this,
            &OfflineFirmwareUploader::onUploadFinish);
    if (receiver)
        connect(uploader, &IFirmwareUploader::uploadFinished, receiver,
                &FirmwareProgressBroker::onFinish);
    connect(m_worker, &OfflineFirmwareWorker::uploadFinished, this,
            &OfflineFirmwareUploader::onUploadFinish);
    if (receiver) {
        connect(m_worker, &OfflineFirmwareWorker::uploadFinished, receiver,
                &FirmwareProgressBroker::onFinish);
        connect(uploader, &IFirmwareUploader::uploadProgress, receiver,
                &FirmwareProgressBroker::onProgress);
        connect(uploader, &IFirmwareUploader::uploadState, receiver,
                &FirmwareProgressBroker::onStateChange);
    }
    connect(m_thread, &QThread::started, m_worker, &OfflineFirmwareWorker::start);
    // A deleteLater posted once the thread has stopped would never run, and
    // the open port would block the next upload: the worker (with the port
    // and the uploader) goes on its own thread as that thread ends.
    OfflineFirmwareWorker* ending = m_worker;
    connect(
        m_thread, &QThread::finished, ending, [ending] { delete ending; }, Qt::DirectConnection);
    m_thread->start(QThread::InheritPriority);
    return true;
}

void OfflineFirmwareUploader::onUploadFinish(int) { release(kThreadStopTimeoutMs); }

void OfflineFirmwareUploader::release(int ms)
{
    if (!m_thread)
        return;
    if (quitThreadWithin(m_thread, ms, QStringLiteral("The firmware upload's thread")))
        delete m_thread;
    else
        m_left.append(m_thread);
    m_thread = nullptr;
    m_worker = nullptr;
    m_busy = false;
}

bool OfflineFirmwareUploader::stopThreads(int ms)
{
    const int earlier = m_left.size();
    release(ms);
    for (int i = earlier - 1; i >= 0; --i) {
        if (quitThreadWithin(m_left.at(i), ms, QStringLiteral("The firmware upload's thread")))
            delete m_left.takeAt(i);
    }
    return m_left.isEmpty();
}

} // namespace Communication
} // namespace KD
