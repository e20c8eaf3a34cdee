#include "communication/StandardFirmwareUploader.h"

#include "communication/CommandSendFwLineS19.h"
#include "communication/CommandSimple.h"
#include "communication/FirmwareFile.h"
#include "communication/UploadProgress.h"

#include <QThread>

namespace Common {
namespace Communication {

StandardFirmwareUploader::StandardFirmwareUploader(QObject* parent)
    : AbstractFirmwareUploader(parent), engine(this), finishTimer(this), handshakeTimer(this)
{
    engine.setLineHandler(this);
    connect(&engine, &CommnadEngine::commandFinished, this,
            &StandardFirmwareUploader::onCommandFinished, Qt::QueuedConnection);
    connect(&engine, &CommnadEngine::interfaceFailed, this,
            &StandardFirmwareUploader::onInterfaceFailed, Qt::QueuedConnection);
    finishTimer.setSingleShot(true);
    finishTimer.setInterval(1000);
    connect(&finishTimer, &QTimer::timeout, this, &StandardFirmwareUploader::onFinishTimer);
    handshakeTimer.setSingleShot(true);
    handshakeTimer.setInterval(5000);
    connect(&handshakeTimer, &QTimer::timeout, this, [this] {
        if (step == Handshake)
            finish(0);
    });
}

void StandardFirmwareUploader::setInterface(CInterface* interface)
{
    AbstractFirmwareUploader::setInterface(interface);
    if (engine.interface() != interface)
        engine.setInterface(interface);
}

void StandardFirmwareUploader::upload()
{
    if (running)
        return;
    running = true;
    done = false;
    finishWaits = 0;
    engine.setLogger(io.logger());
    if (!firmware || firmware->isEmpty() || !engine.interface()) {
        finish(0);
        return;
    }
    if (!useBootloader) {
        startTransfer();
        return;
    }
    step = Handshake;
    auto* handshake = new CommandSimple();
    handshake->setText(QStringLiteral("Sfirmwupd\r\n"));
    handshake->setExpectedReply(QStringLiteral("Mfirmwupd"));
    // Time-out 0: written once, no reply timer in the engine.
    if (!send(handshake, 0)) {
        finish(0);
        return;
    }
    handshakeTimer.start();
}

bool StandardFirmwareUploader::send(Command* command, int timeout)
{
    bool accepted = false;
    if (engine.execute(command, &accepted, timeout) == 3)
        return true;
    Command* failed = accepted ? engine.takeCommand() : command;
    if (failed)
        failed->deleteLater();
    return false;
}

void StandardFirmwareUploader::startTransfer()
{
    emit uploadProgress(1);
    if (io.isSerial() && io.baudRate() != UploadBaudRate && !io.setBaudRate(UploadBaudRate)) {
        finish(0);
        return;
    }
    emit uploadState(2);
    step = Transfer;
    sendCurrentLine();
}

void StandardFirmwareUploader::sendCurrentLine()
{
    const QByteArray line = firmware->currentLine();
    UploadProgress progress;
    progress.setTotal(firmware->count());
    if (progress.setCurrent(firmware->index() + 1))
        emit uploadProgress(progress.percent());
    auto* command = new CommandSendFwLineS19();
    // Up to the first zero byte, line ending included, otherwise unchanged.
    command->setLine(QString::fromLatin1(line.constData()));
    if (!send(command, lineTimeout))
        finish(0);
}

void StandardFirmwareUploader::onCommandFinished(int status)
{
    Command* command = engine.takeCommand();
    if (command)
        command->deleteLater();
    if (!running)
        return; // a late outcome of an upload that has already ended
    if (step == Handshake) {
        handshakeTimer.stop();
        if (status != Command::StatusOk) {
            finish(0);
            return;
        }
        emit uploadState(1);
        // Give the device time to start its bootloader.
        QThread::msleep(bootloaderPause);
        startTransfer();
        return;
    }
    auto* line = qobject_cast<CommandSendFwLineS19*>(command);
    if (!line) {
        finish(0);
        return;
    }
    switch (line->replyCode()) {
    case 3: finish(1); break;
    case 1:
        if (firmware->next())
            sendCurrentLine();
        else
            finishStep();
        break;
    default: finish(0);
    }
}

bool StandardFirmwareUploader::handleLine(QString line)
{
    if (step != Transfer || line != QLatin1String("f3"))
        return false;
    done = true;
    finishStep();
    return true;
}

void StandardFirmwareUploader::onInterfaceFailed() { finish(0); }

void StandardFirmwareUploader::onFinishTimer()
{
    if (step == Transfer)
        finishStep();
}

void StandardFirmwareUploader::abort() { finish(0); }

void StandardFirmwareUploader::finishStep()
{
    if (done) {
        finish(1);
    } else if (finishWaits >= finishWaitLimit) {
        finish(0); // every record was taken but the device never said it finished
    } else {
        ++finishWaits;
        finishTimer.start();
    }
}

void StandardFirmwareUploader::finish(int result)
{
    if (!running)
        return;
    running = false;
    step = Idle;
    finishTimer.stop();
    handshakeTimer.stop();
    // Nothing of this upload may be written or rewritten any more.
    if (Command* unfinished = engine.takeCommand())
        unfinished->deleteLater();
    emit uploadFinished(result);
}

} // namespace Communication
} // namespace Common
