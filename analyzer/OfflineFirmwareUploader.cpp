#include "analyzer/OfflineFirmwareUploader.h"

#include "analyzer/OfflineFirmwareWorker.h"
#include "analyzer/S19FirmwareFile.h"
#include "communication/StandardFirmwareUploader.h"

#include <QThread>

namespace KD {
namespace Communication {

OfflineFirmwareUploader::OfflineFirmwareUploader(QObject* parent) : QObject(parent) { }

OfflineFirmwareUploader::~OfflineFirmwareUploader() { release(); }

bool OfflineFirmwareUploader::upload(const Common::Communication::ConnectionInfo& port,
                                     bool useBootloader, const QString& path, QObject* receiver)
{
    if (busy || !firmware)
        return false;
    firmware->clear();
    if (!firmware->load(path) || firmware->isEmpty())
        return false;

    busy = true;
    worker = new OfflineFirmwareWorker;
    auto* uploader = new Common::Communication::StandardFirmwareUploader;
    thread = new QThread(this);
    uploader->setUseBootloader(useBootloader);
    uploader->setFirmwareFile(firmware);
    worker->setUploader(uploader);
    worker->setConnectionInfo(port);
    worker->moveToThread(thread);

    for (QObject* source : {static_cast<QObject*>(uploader), static_cast<QObject*>(worker)}) {
        connect(source, SIGNAL(uploadFinished(int)), this, SLOT(onUploadFinish(int)));
        if (receiver)
            connect(source, SIGNAL(uploadFinished(int)), receiver, SLOT(onFinish(int)));
    }
    if (receiver) {
        connect(uploader, SIGNAL(uploadProgress(int)), receiver, SLOT(onProgress(int)));
        connect(uploader, SIGNAL(uploadState(int)), receiver, SLOT(onStateChange(int)));
    }
    connect(thread, &QThread::started, worker, &OfflineFirmwareWorker::start);
    // A deleteLater posted once the thread has stopped would never run, and
    // the open port would block the next upload: the worker (with the port
    // and the uploader) goes on its own thread as that thread ends.
    OfflineFirmwareWorker* ending = worker;
    connect(
        thread, &QThread::finished, ending, [ending] { delete ending; }, Qt::DirectConnection);
    thread->start(QThread::InheritPriority);
    return true;
}

void OfflineFirmwareUploader::onUploadFinish(int) { release(); }

void OfflineFirmwareUploader::release()
{
    if (!thread)
        return;
    thread->quit();
    thread->wait();
    delete thread;
    thread = nullptr;
    worker = nullptr;
    busy = false;
}

} // namespace Communication
} // namespace KD
