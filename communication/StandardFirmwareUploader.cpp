#include "communication/StandardFirmwareUploader.h"

#include "communication/CommandSendFwLineS19.h"
#include "communication/CommandSimple.h"
#include "communication/FirmwareFile.h"
#include "communication/UploadProgress.h"

#include <QThread>

namespace Common {
namespace Communication {

StandardFirmwareUploader::StandardFirmwareUploader(QObject* parent)
    : AbstractFirmwareUploader(parent), m_engine(this), m_finishTimer(this), m_handshakeTimer(this)
{
    m_engine.setLineHandler(this);
    connect(&m_engine, &CommnadEngine::commandFinished, this,
            &StandardFirmwareUploader::onCommandFinished, Qt::QueuedConnection);
    connect(&m_engine, &CommnadEngine::interfaceFailed, this,
            &StandardFirmwareUploader::onInterfaceFailed, Qt::QueuedConnection);
    m_finishTimer.setSingleShot(true);
    m_finishTimer.setInterval(1000);
    connect(&m_finishTimer, &QTimer::timeout, this, &StandardFirmwareUploader::onFinishTimer);
    m_handshakeTimer.setSingleShot(true);
    m_handshakeTimer.setInterval(5000);
    connect(&m_handshakeTimer, &QTimer::timeout, this, [this] {
        if (m_step == Handshake)
            finish(0);
    });
}

void StandardFirmwareUploader::setInterface(CInterface* interface)
{
    AbstractFirmwareUploader::setInterface(interface);
    if (m_engine.interface() != interface)
        m_engine.setInterface(interface);
}

void StandardFirmwareUploader::upload()
{
    if (m_running)
        return;
    m_running = true;
    m_done = false;
    m_finishWaits = 0;
    m_engine.setLogger(m_io.logger());
    if (!m_firmware || m_firmware->isEmpty() || !m_engine.interface()) {
        finish(0);
        return;
    }
    if (!m_useBootloader) {
        startTransfer();
        return;
    }
    m_step = Handshake;
    auto* handshake = new CommandSimple();
    handshake->setText(QStringLiteral("Sfirmwupd\r\n"));
    handshake->setExpectedReply(QStringLiteral("Mfirmwupd"));
    // Time-out 0: written once, no reply timer in the engine.
    if (!send(handshake, 0)) {
        finish(0);
        return;
    }
    m_handshakeTimer.start();
}

bool StandardFirmwareUploader::send(Command* command, int timeout)
{
    bool accepted = false;
    if (m_engine.execute(command, &accepted, timeout) == 3)
        return true;
    Command* failed = accepted ? m_engine.takeCommand() : command;
    if (failed)
        failed->deleteLater();
    return false;
}

void StandardFirmwareUploader::startTransfer()
{
    emit uploadProgress(1);
    if (m_io.isSerial() && m_io.baudRate() != UploadBaudRate && !m_io.setBaudRate(UploadBaudRate)) {
        finish(0);
        return;
    }
    emit uploadState(2);
    m_step = Transfer;
    sendCurrentLine();
}

void StandardFirmwareUploader::sendCurrentLine()
{
    const QByteArray line = m_firmware->currentLine();
    UploadProgress progress;
    progress.setTotal(m_firmware->count());
    if (progress.setCurrent(m_firmware->index() + 1))
        emit uploadProgress(progress.percent());
    auto* command = new CommandSendFwLineS19();
    // Up to the first zero byte, line ending included, otherwise unchanged.
    command->setLine(QString::fromLatin1(line.constData()));
    if (!send(command, m_lineTimeout))
        finish(0);
}

void StandardFirmwareUploader::onCommandFinished(int status)
{
    Command* command = m_engine.takeCommand();
    if (command)
        command->deleteLater();
    if (!m_running)
        return; // a late outcome of an upload that has already ended
    if (m_step == Handshake) {
        m_handshakeTimer.stop();
        if (status != Command::StatusOk) {
            finish(0);
            return;
        }
        emit uploadState(1);
        // Give the device time to start its bootloader.
        QThread::msleep(m_bootloaderPause);
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
        if (m_firmware->next())
            sendCurrentLine();
        else
            finishStep();
        break;
    default: finish(0);
    }
}

bool StandardFirmwareUploader::handleLine(QString line)
{
    if (m_step != Transfer || line != QLatin1String("f3"))
        return false;
    m_done = true;
    finishStep();
    return true;
}

void StandardFirmwareUploader::onInterfaceFailed() { finish(0); }

void StandardFirmwareUploader::onFinishTimer()
{
    if (m_step == Transfer)
        finishStep();
}

void StandardFirmwareUploader::abort() { finish(0); }

void StandardFirmwareUploader::finishStep()
{
    if (m_done) {
        finish(1);
    } else if (m_finishWaits >= m_finishWaitLimit) {
        finish(0); // every record was taken but the device never said it finished
    } else {
        ++m_finishWaits;
        m_finishTimer.start();
    }
}

void StandardFirmwareUploader::finish(int result)
{
    if (!m_running)
        return;
    m_running = false;
    m_step = Idle;
    m_finishTimer.stop();
    m_handshakeTimer.stop();
    // Nothing of this upload may be written or rewritten any more.
    if (Command* unfinished = m_engine.takeCommand())
        unfinished->deleteLater();
    emit uploadFinished(result);
}

} // namespace Communication
} // namespace Common
