#pragma once

#include "ui/IFirmwareMessageDisplay.h"
#include "ui/IFirmwareProgressReceiver.h"

#include <QDialog>
#include <QScopedPointer>

class IFirmwareImplementation;

namespace Ui {
class FirmwareDialog;
}

namespace Common {

class IMessageBoxFirmware;

// Lets the user choose a firmware file and upload it: over the open
// connection, or offline over a serial port set in the dialog. It cannot be
// closed while an upload runs, and closes itself when the upload ends.
class FirmwareDialog : public QDialog,
                       public IFirmwareProgressReceiver,
                       public IFirmwareMessageDisplay
{
    Q_OBJECT

public:
    FirmwareDialog(IMessageBoxFirmware* boxes, bool offline, QWidget* parent = nullptr);
    ~FirmwareDialog() override;

    // Under this settings key the file dialog remembers its last folder.
    void setFileDialogContext(const QString& name) { m_fileDialogContext = name; }
    // Resets the progress; a non-empty title replaces the window title.
    void prepare(const QString& title);
    // Not owned; the dialog becomes its progress receiver and message display.
    void setImplementation(IFirmwareImplementation* implementation);

    bool isUploading() const { return m_uploading; }
    QString statusText() const;

    void onProgress(int percent) override;
    void onFinish(int result) override;
    void onStateChange(int state) override;
    void setMessage(const QString& text) override;

signals:
    void fixSize();

public slots:
    void onBootloaderBoxChange(int state);
    void onFixSize();
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void browse();
    void upload();
    void setStatus(const QString& text);
    void setInputsEnabled(bool enabled);

    QScopedPointer<Ui::FirmwareDialog> m_ui;
    IMessageBoxFirmware* m_boxes;
    QString m_title;
    bool m_offline;
    IFirmwareImplementation* m_implementation = nullptr;
    bool m_uploading = false;
    QString m_fileDialogContext;
};

} // namespace Common
