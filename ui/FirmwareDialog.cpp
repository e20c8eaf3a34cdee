#include "ui/FirmwareDialog.h"

#include "communication/ConnectionInfo.h"
#include "ui/IFirmwareImplementation.h"
#include "ui/IMessageBoxFirmware.h"
#include "ui/VornFileDialog.h"

#include "ui_FirmwareDialog.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLayout>

namespace Common {

FirmwareDialog::FirmwareDialog(IMessageBoxFirmware* boxes, bool offline, QWidget* parent)
    : QDialog(parent), m_ui(new Ui::FirmwareDialog), m_boxes(boxes), m_offline(offline)
{
    m_ui->setupUi(this);
    m_title = windowTitle();
    m_ui->onlineInstruction->setVisible(!offline);
    for (QWidget* offlineOnly :
         {static_cast<QWidget*>(m_ui->offlineInstruction),
          static_cast<QWidget*>(m_ui->lineConnection), static_cast<QWidget*>(m_ui->connectionFrame),
          static_cast<QWidget*>(m_ui->bootloaderCheckBox),
          static_cast<QWidget*>(m_ui->serialSettings)})
        offlineOnly->setVisible(offline);
    m_ui->successIcon->setPixmap(QIcon(":/icons/confirm-icon.svg").pixmap(20, 20));
    m_ui->failureIcon->setPixmap(QIcon(":/icons/red-x-icon.svg").pixmap(20, 20));
    connect(this, &FirmwareDialog::fixSize, this, &FirmwareDialog::onFixSize, Qt::QueuedConnection);
    emit fixSize();

    setStatus(tr("Ready to upload"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    connect(m_ui->uploadButton, &QPushButton::clicked, this, &FirmwareDialog::upload);
    connect(m_ui->browseButton, &QPushButton::clicked, this, &FirmwareDialog::browse);
    connect(m_ui->bootloaderCheckBox, &QCheckBox::stateChanged, this,
            &FirmwareDialog::onBootloaderBoxChange);
    m_ui->serialSettings->setBaudEnabled(false);
    setMessage(QString());
}

FirmwareDialog::~FirmwareDialog() = default;

void FirmwareDialog::prepare(const QString& title)
{
    m_ui->progressBar->setValue(0);
    if (!title.isEmpty())
        m_title = title;
    setWindowTitle(m_title);
}

void FirmwareDialog::setImplementation(IFirmwareImplementation* implementation)
{
    m_implementation = implementation;
    m_implementation->setProgressReceiver(this);
    m_implementation->setMessageDisplay(this);
}

QString FirmwareDialog::statusText() const { return m_ui->statusLabel->text(); }

void FirmwareDialog::onProgress(int percent)
{
    m_ui->progressBar->setValue(percent);
    setStatus(tr("Uploading: sending firmware data (%1%)").arg(percent));
}

void FirmwareDialog::onFinish(int result)
{
    m_uploading = false;
    m_ui->uploadButton->setEnabled(true);
    m_ui->filePath->setEnabled(true);
    m_ui->browseButton->setEnabled(true);
    if (result == 1) {
        setStatus(tr("Success!"));
        m_ui->successIcon->show();
        m_boxes->showUpdateSucceeded();
    } else {
        setStatus(tr("Failure!"));
        m_ui->failureIcon->show();
        m_boxes->showUpdateFailed();
    }
    if (m_implementation && m_implementation->closeAfterFinish())
        close();
}

void FirmwareDialog::onStateChange(int state)
{
    if (state == 1)
        setStatus(tr("Uploading: bootloader initialized"));
    else if (state == 2)
        setStatus(tr("Uploading: sending firmware data (%1%)").arg(0));
}

void FirmwareDialog::setMessage(const QString& text)
{
    m_ui->messageLabel->setText(text);
    m_ui->messageLabel->setVisible(!text.isEmpty());
    m_ui->messageLine->setVisible(!text.isEmpty());
    emit fixSize();
}

void FirmwareDialog::onBootloaderBoxChange(int state)
{
    m_ui->serialSettings->setBaudEnabled(state == Qt::Checked);
}

// Word-wrapped labels need the height for the dialog's width, which is more
// than the minimum size hint allows for.
void FirmwareDialog::onFixSize()
{
    const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width())
                                                     : minimumSizeHint().height();
    resize(width(), height);
}

// Escape ends a dialog through reject(), past closeEvent: both are refused
// while uploading, or the user would never see how the upload ended.
void FirmwareDialog::reject()
{
    if (!m_uploading)
        QDialog::reject();
}

void FirmwareDialog::closeEvent(QCloseEvent* event)
{
    if (m_uploading) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void FirmwareDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        const QString status = m_ui->statusLabel->text();
        m_ui->retranslateUi(this);
        setWindowTitle(m_title);
        m_ui->statusLabel->setText(status);
    }
    QDialog::changeEvent(event);
}

void FirmwareDialog::browse()
{
    VornFileDialog dialog(m_fileDialogContext, this);
    const QString path = dialog.getOpenPath(tr("Firmware files") + QLatin1Char(' ')
                                            + m_implementation->fileFilter());
    if (!path.isEmpty())
        m_ui->filePath->setText(path);
}

void FirmwareDialog::upload()
{
    const QString path = m_ui->filePath->text();
    if (path.isEmpty()) {
        m_boxes->showInvalidFile();
        return;
    }
    if (!m_boxes->askUploadConfirmation(path))
        return;

    Communication::ConnectionInfo info;
    if (m_offline) {
        Communication::SerialConnectionPart port;
        port.portName = m_ui->serialSettings->portName();
        port.baudRate = m_ui->serialSettings->baudRate();
        info.setSerialPart(port);
    }
    m_implementation->setConnectionInfo(info);
    m_implementation->setUseBootloader(m_ui->bootloaderCheckBox->isChecked());

    m_uploading = true;
    setInputsEnabled(false);
    if (!m_implementation->upload(path))
        onFinish(0);
}

void FirmwareDialog::setStatus(const QString& text)
{
    m_ui->statusLabel->setText(text);
    m_ui->successIcon->hide();
    m_ui->failureIcon->hide();
}

void FirmwareDialog::setInputsEnabled(bool enabled)
{
    m_ui->uploadButton->setEnabled(enabled);
    m_ui->filePath->setEnabled(enabled);
    m_ui->browseButton->setEnabled(enabled);
    m_ui->serialSettings->setEnabled(enabled);
    m_ui->bootloaderCheckBox->setEnabled(enabled);
}

} // namespace Common
