// The Firmware action end to end: the dialog uploads an S19 file to the
// simulated analyzer's bootloader over the open connection, or offline over
// a port chosen in the dialog, and cannot be closed while it uploads.
#include "analyzer/FirmwareSetup.h"
#include "analyzer/HLDryerController.h"
#include "ui/FirmwareDialog.h"
#include "ui/MessageBoxContext.h"
#include "ui/MessageBoxesFirmware.h"

#include "tests/support/ConnectedRig.h"
#include "tests/support/FakeDialogRunner.h"
#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/FixedSerialPortLister.h"
#include "tests/support/S19Fixtures.h"
#include "tests/support/SimulatorBootloader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "ui/SerialPortSettingsWidget.h"

namespace {

struct UploadSeen
{
    bool escapeIgnored = false;
    QString finalStatus;
    bool finished = false;
};

// What the user does in the dialog: the file, Upload, an Escape while it
// uploads; then wait for the end, which closes the dialog.
FakeDialogRunner::Step uploadStep(const QString& path, UploadSeen* seen,
                                  std::function<void(QDialog&)> prepare = {})
{
    return [=](QDialog& d) {
        auto& dialog = static_cast<Common::FirmwareDialog&>(d);
        dialog.show();
        if (prepare)
            prepare(dialog);
        QSignalSpy closed(&dialog, &QDialog::finished);
        dialog.findChild<QLineEdit*>("filePath")->setText(path);
        dialog.findChild<QPushButton*>("uploadButton")->click();
        if (dialog.isUploading()) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            seen->escapeIgnored = dialog.isVisible() && closed.isEmpty();
        }
        seen->finished = QTest::qWaitFor([&] { return !closed.isEmpty(); }, 10000);
        seen->finalStatus = dialog.statusText();
        return dialog.result();
    };
}

} // namespace

class TestFirmwareDialog : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath("fw.s19");
        QVERIFY(S19Fixtures::writeFile(
            m_path, S19Fixtures::join(S19Fixtures::records(6) << "S9030000FC", "\r\n")));
    }

    void onlineUploadReachesTheBootloaderAndIgnoresEscape()
    {
        ConnectedRig rig;
        QVERIFY(rig.connectAnalyzer());
        SimulatorBootloader bootloader(rig.simulator());
        MessageBoxContext context;
        Common::MessageBoxesFirmware boxes(&context);
        FakeMessageBoxPresenter presenter(QMessageBox::Yes);
        FakeDialogRunner runner;
        UploadSeen seen;
        runner.queueStep(uploadStep(m_path, &seen));

        KD::FirmwareSetup(&boxes, rig.controller()).setup();
        QCOMPARE(runner.shown().size(), 1);
        QVERIFY(seen.escapeIgnored);
        QVERIFY(seen.finished);
        QCOMPARE(seen.finalStatus, QString("Success!"));
        QCOMPARE(presenter.last().text, QString("Firmware updated successfully"));
        QCOMPARE(bootloader.records().size(), 7);
        // The analyzer restarts after an upload: the connection is dropped.
        QTRY_COMPARE(rig.controller()->state(), 0);
    }

    void busyAnalyzerShowsNoDialog()
    {
        ConnectedRig rig;
        QVERIFY(rig.connectAnalyzer());
        MessageBoxContext context;
        Common::MessageBoxesFirmware boxes(&context);
        FakeDialogRunner runner;
        QVERIFY(rig.controller()->startDrying());
        KD::FirmwareSetup(&boxes, rig.controller()).setup();
        QVERIFY(runner.shown().isEmpty());
    }

    void offlineUploadOverAPortChosenInTheDialog()
    {
        ConnectedRig rig; // not connected: the dialog asks for a port
        AnalyzerSimulator analyzer;
        SimulatorPtyLink link(&analyzer);
        QVERIFY(link.open());
        SimulatorBootloader bootloader(&analyzer);
        FixedSerialPortLister ports;
        ports.add("/dev/does-not-exist");
        ports.add(link.slavePath());

        MessageBoxContext context;
        Common::MessageBoxesFirmware boxes(&context);
        FakeMessageBoxPresenter presenter(QMessageBox::Yes);
        FakeDialogRunner runner;
        UploadSeen seen;
        runner.queueStep(uploadStep(m_path, &seen, [&](QDialog& dialog) {
            auto* serial = dialog.findChild<SerialPortSettingsWidget*>();
            auto* portCombo = serial->findChild<QComboBox*>("portComboBox");
            auto* baudCombo = serial->findChild<QComboBox*>("baudComboBox");
            serial->setPortLister(&ports);
            serial->refreshClicked();
            portCombo->setCurrentIndex(portCombo->findText(link.slavePath()));
            QVERIFY(!baudCombo->isEnabled());
            dialog.findChild<QCheckBox*>("bootloaderCheckBox")->setChecked(true);
            QVERIFY(baudCombo->isEnabled());
            baudCombo->setCurrentText("9600");
            // A refresh keeps the chosen port.
            serial->refreshClicked();
            QCOMPARE(serial->portName(), link.slavePath());
        }));

        KD::FirmwareSetup(&boxes, rig.controller()).setup();
        QVERIFY(seen.finished);
        QCOMPARE(seen.finalStatus, QString("Success!"));
        QCOMPARE(bootloader.records().size(), 7);
    }

    void offlineWithoutAUsablePortOrFileFails()
    {
        ConnectedRig rig;
        FixedSerialPortLister none;
        MessageBoxContext context;
        Common::MessageBoxesFirmware boxes(&context);
        FakeMessageBoxPresenter presenter(QMessageBox::Yes);
        FakeDialogRunner runner;
        UploadSeen seen;
        runner.queueStep([&](QDialog& dialog) {
            dialog.findChild<QPushButton*>("uploadButton")->click();
            return uploadStep(m_path, &seen, [&](QDialog& d) {
                auto* serial = d.findChild<SerialPortSettingsWidget*>();
                serial->setPortLister(&none);
                serial->refreshClicked();
                QCOMPARE(serial->portName(), QString("No ports avaliable"));
            })(dialog);
        });

        KD::FirmwareSetup(&boxes, rig.controller()).setup();
        QCOMPARE(presenter.shown().first().text, QString("Chosen file is invalid!"));
        QVERIFY(seen.finished);
        QCOMPARE(seen.finalStatus, QString("Failure!"));
        QCOMPARE(presenter.last().text, QString("Firmware update failed"));
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

QTEST_MAIN(TestFirmwareDialog)
#include "tst_firmwaredialog.moc"
