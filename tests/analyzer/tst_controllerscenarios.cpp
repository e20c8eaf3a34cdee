// The drying controller against the simulated analyzer over a pty, with the
// facade on a communication thread of its own, as in the program.
#include "analyzer/ErrorMessageHandler.h"
#include "analyzer/HLDryerController.h"
#include "settings/ISettingNotifiable.h"
#include "analyzer/NDryer.h"
#include "communication/CRS232.h"
#include "communication/CommnadEngine.h"
#include "communication/ConnectionInfo.h"
#include "resources/Resources.h"
#include "ui/FirmwareProgressBroker.h"
#include "ui/IFirmwareProgressReceiver.h"
#include "ui/LanguageSwitch.h"
#include "ui/MessageBoxContext.h"
#include "ui/Retranslator.h"
#include "ui/StateTextRetranslator.h"

#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/DryingSettingsFixtures.h"
#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/OnThread.h"
#include "tests/support/RunningThread.h"
#include "tests/support/S19Fixtures.h"
#include "tests/support/ScopedTestSettings.h"
#include "tests/support/SimulatedDryer.h"
#include "tests/support/SimulatorBootloader.h"
#include "tests/support/SimulatorPtyLink.h"

#include <QSemaphore>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <memory>

using KD::HLDryerController;
using KD::OperationError;
using KD::Communication::NDryer;
using Sim = SimulatedDryer;

namespace {

const int replyTimeoutMs = 250;

class Requester : public KD::ISettingNotifiable
{
public:
    void settingsChanged() override { ++calls; }
    int calls = 0;
};

// Stands for the firmware dialog behind its progress broker.
class FirmwareReceiver : public FirmwareProgressBroker, private IFirmwareProgressReceiver
{
public:
    FirmwareReceiver() { setReceiver(this); }

    QList<int> finishes;
    QList<int> states;

private:
    void onFinish(int result) override { finishes << result; }
    void onProgress(int) override { }
    void onStateChange(int state) override { states << state; }
};

QByteArray firmware(int records)
{
    return S19Fixtures::join(S19Fixtures::records(records) << "S9030000FC", "\r\n");
}

Common::Communication::ConnectionInfo serialPort(const QString& name)
{
    Common::Communication::SerialConnectionPart part;
    part.portName = name;
    Common::Communication::ConnectionInfo info;
    info.setSerialPart(part);
    return info;
}

} // namespace

namespace QTest {
template <>
char* toString(const OperationError& e)
{
    return qstrdup(
        QString("{%1, %2, %3}").arg(e.operation()).arg(e.step()).arg(e.command()).toLatin1());
}
} // namespace QTest

class TestControllerScenarios : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AnalyzerSimulator> sim;
    std::unique_ptr<SimulatedDryer> device;
    std::unique_ptr<SimulatorBootloader> bootloader;
    std::unique_ptr<SimulatorPtyLink> link;
    RunningThread thread;
    NDryer* dryer = nullptr;
    std::unique_ptr<HLDryerController> controller;
    std::unique_ptr<QSignalSpy> texts;
    std::unique_ptr<QSignalSpy> errors;
    MessageBoxContext boxes;
    std::unique_ptr<KD::ErrorMessageHandler> errorBoxes;
    std::unique_ptr<FakeMessageBoxPresenter> presenter;
    QTemporaryDir dir;

    QStringList stateTexts() const
    {
        QStringList list;
        for (const QList<QVariant>& args : *texts)
            list << args.at(0).toString();
        return list;
    }

    OperationError lastError() const { return controller->lastError(); }

    void connectDevice()
    {
        auto* commandEngine = new Common::Communication::CommnadEngine;
        commandEngine->setInterface(new CRS232(link->slavePath(), 9600, QString()));
        commandEngine->moveToThread(&thread);
        dryer->engine()->setCommandEngine(commandEngine);
        dryer->engine()->requestConnect();
        QTRY_COMPARE(controller->state(), 1);
        sim->clearReceived();
    }

    void disconnectDevice()
    {
        dryer->engine()->requestDisconnect();
        QTRY_COMPARE(controller->state(), 0);
    }

    // Holds the communication thread until the hold is released or goes
    // out of scope (a failed check included), so that a request stays
    // pending and the engine refuses the next one.
    class ThreadHold
    {
    public:
        explicit ThreadHold(QObject* target) : m_gate(std::make_shared<QSemaphore>())
        {
            QMetaObject::invokeMethod(
                target, [gate = m_gate] { gate->acquire(); }, Qt::QueuedConnection);
        }
        ~ThreadHold() { release(); }
        void release()
        {
            if (!m_released)
                m_gate->release();
            m_released = true;
        }

    private:
        std::shared_ptr<QSemaphore> m_gate;
        bool m_released = false;
    };

    QString writeFirmwareFile(const QString& name, const QByteArray& content)
    {
        const QString path = dir.filePath(name);
        return S19Fixtures::writeFile(path, content) ? path : QString();
    }

private slots:
    void initTestCase()
    {
        initSorvanaResources();
        registerMeasurementType();
        QVERIFY(dir.isValid());
    }

    void init()
    {
        sim = std::make_unique<AnalyzerSimulator>();
        device = std::make_unique<SimulatedDryer>(sim.get());
        device->setReadingPeriod(30);
        bootloader = std::make_unique<SimulatorBootloader>(sim.get());
        link = std::make_unique<SimulatorPtyLink>(sim.get());
        QVERIFY(link->open());

        dryer = new NDryer(&thread);
        dryer->engine()->setReplyTimeout(replyTimeoutMs);
        controller = std::make_unique<HLDryerController>(dryer);
        QCOMPARE(controller->state(), 0);
        texts = std::make_unique<QSignalSpy>(controller.get(), &HLDryerController::stateText);
        errors = std::make_unique<QSignalSpy>(controller.get(), &HLDryerController::error);
        presenter = std::make_unique<FakeMessageBoxPresenter>();
        errorBoxes = std::make_unique<KD::ErrorMessageHandler>(&boxes, controller.get());
        // As in the program: the box opens after the controller is back.
        connect(controller.get(), &HLDryerController::error, errorBoxes.get(),
                &KD::ErrorMessageHandler::onControllerError, Qt::QueuedConnection);
        connectDevice();
        texts->clear();
    }

    void cleanup()
    {
        if (controller->isConnected())
            disconnectDevice();
        errorBoxes.reset();
        presenter.reset();
        errors.reset();
        texts.reset();
        controller.reset();
        onThread(dryer, [this] { delete dryer; });
        dryer = nullptr;
        link.reset();
        bootloader.reset();
        device.reset();
        sim.reset();
    }

    void connectionAndDisconnection()
    {
        QVERIFY(controller->isReady());
        QVERIFY(controller->sendString("Sx9\r\n"));
        QTRY_VERIFY(sim->receivedLines().contains("Sx9"));

        disconnectDevice();
        QCOMPARE(stateTexts(), QStringList{QString()});
        QVERIFY(!controller->isConnected());
        QVERIFY(!controller->sendString("Sx9\r\n"));
        QVERIFY(!controller->startDrying());
        QVERIFY(!controller->loadSettings(nullptr));

        texts->clear();
        QSignalSpy ready(controller.get(), &HLDryerController::ready);
        connectDevice();
        QCOMPARE(stateTexts(), QStringList{"Ready"});
        QCOMPARE(ready.count(), 1);
    }

    void runStartedByTheProgram()
    {
        QSignalSpy started(controller.get(), &HLDryerController::dryingStarted);
        QSignalSpy results(controller.get(), &HLDryerController::result);
        QSignalSpy ended(controller.get(), &HLDryerController::dryingEnd);

        QVERIFY(controller->startDrying());
        QCOMPARE(controller->state(), 7);
        QTRY_COMPARE(controller->state(), 8);
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.at(0), (QList<QVariant>{false, false, 1}));
        QTRY_VERIFY(results.count() >= 3);
        // The start block's own reading comes first.
        QCOMPARE(results.at(0).at(0).value<Measurement>().value, 5.0f);

        // Nothing else runs during a run, and the ignore flag stays.
        QVERIFY(!controller->loadSettings(nullptr));
        controller->copySlotToCurrent(0);
        QVERIFY(!controller->startDrying());
        QVERIFY(controller->setIgnoreStartFromDevice(false));
        QCOMPARE(controller->state(), 8);

        QVERIFY(controller->stopDrying());
        QCOMPARE(controller->state(), 9);
        QTRY_COMPARE(ended.count(), 1);
        QCOMPARE(controller->state(), 1);
        QCOMPARE(stateTexts(), (QStringList{"Starting", "Running", "Stopping", "Ready"}));
        QCOMPARE(sim->receivedLines(), (QByteArrayList{"Sx6", "Sx7"}));
        QCOMPARE(errors->count(), 0);
    }

    void tooSmallMassFromTheProgram()
    {
        device->setInitialMass(0.01);
        QSignalSpy started(controller.get(), &HLDryerController::dryingStarted);
        QVERIFY(controller->startDrying());
        QTRY_COMPARE(errors->count(), 1);
        QCOMPARE(controller->state(), 1);
        QCOMPARE(lastError(), OperationError(8, 7, 0));
        QCOMPARE(started.count(), 0);
        QTRY_COMPARE(presenter->shown().size(), 1);
        QCOMPARE(presenter->last().icon, QMessageBox::Warning);
        QCOMPARE(presenter->last().text,
                 QString("An error ocurred!<br><br>Operation:<br><tt>Drying process start</tt>"
                         "<br><br>Reason:<br><tt>Mass is too small. Cannot start drying.</tt>"));
    }

    // A start or stop that the engine refuses must not leave the controller
    // stuck in "starting" or "stopping".
    void refusedStartAndStopReturnToReady()
    {
        {
            ThreadHold hold(dryer);
            QVERIFY(controller->sendString("Sx9\r\n"));
            QVERIFY(!controller->startDrying());
        }
        QCOMPARE(controller->state(), 1);
        QCOMPARE(lastError(), OperationError(8, 0, 0));
        QCOMPARE(errors->count(), 1);
        QCOMPARE(stateTexts(), (QStringList{"Starting", "Ready"}));
        QTRY_VERIFY(sim->receivedLines().contains("Sx9"));

        QVERIFY(controller->startDrying());
        QTRY_COMPARE(controller->state(), 8);
        {
            ThreadHold hold(dryer);
            QVERIFY(controller->sendString("Sx9\r\n"));
            QVERIFY(!controller->stopDrying());
        }
        QCOMPARE(controller->state(), 1);
        QCOMPARE(lastError(), OperationError(9, 0, 0));
        QCOMPARE(errors->count(), 2);
        QTRY_COMPARE(presenter->shown().size(), 2);
        QVERIFY(presenter->last().text.contains("<tt>Drying process stop</tt>"));
    }

    void startFromTheKeyboard()
    {
        QSignalSpy started(controller.get(), &HLDryerController::dryingStarted);
        QSignalSpy results(controller.get(), &HLDryerController::result);
        QSignalSpy ended(controller.get(), &HLDryerController::dryingEnd);
        device->setReadingsPerRun(3);

        // Ignored by default: announced, but no reading goes on.
        device->startFromKeyboard();
        QTRY_COMPARE(ended.count(), 1);
        QCOMPARE(started.at(0), (QList<QVariant>{true, true, 1}));
        QCOMPARE(results.count(), 0);
        QCOMPARE(stateTexts(), (QStringList{"Running (external start)", "Ready"}));

        // Followed once the flag is cleared while ready.
        QVERIFY(!controller->setIgnoreStartFromDevice(false));
        device->startFromKeyboard();
        QTRY_COMPARE(ended.count(), 2);
        QCOMPARE(started.at(1), (QList<QVariant>{true, false, 1}));
        QCOMPARE(results.count(), 4);
        QCOMPARE(errors->count(), 0);

        // A sample too light: an error only when such runs are followed.
        device->setInitialMass(0.01);
        device->startFromKeyboard();
        QTRY_COMPARE(errors->count(), 1);
        QCOMPARE(lastError(), OperationError(7, 0, 0));
        QVERIFY(controller->setIgnoreStartFromDevice(true));
        texts->clear();
        QSignalSpy ready(controller.get(), &HLDryerController::ready);
        device->startFromKeyboard();
        // Handled once the controller announces it is ready again.
        QVERIFY(ready.wait());
        QCOMPARE(stateTexts(), QStringList{"Ready"});
        QCOMPARE(controller->state(), 1);
        QCOMPARE(errors->count(), 1);
        QCOMPARE(started.count(), 2);
    }

    void writeAndReadCurrentSettings()
    {
        QSignalSpy ready(controller.get(), &HLDryerController::ready);
        QVERIFY(controller->writeSettings(stepSettings()));
        QCOMPARE(controller->state(), 6);
        QTRY_COMPARE(ready.count(), 1);
        QCOMPARE(device->parameter(Sim::Temperature), QByteArray("110"));
        QCOMPARE(device->parameter(Sim::StepTemperature2), QByteArray("120"));

        Requester requester;
        QVERIFY(!controller->lastLoadOk());
        QVERIFY(controller->loadSettings(&requester));
        QCOMPARE(controller->state(), 2);
        QTRY_COMPARE(ready.count(), 2);
        QCOMPARE(requester.calls, 1);
        QVERIFY(controller->lastLoadOk());
        QCOMPARE(controller->currentSettings(), stepSettings());
        QCOMPARE(stateTexts(),
                 (QStringList{"Writing to current", "Ready", "Reading current", "Ready"}));
        QCOMPARE(errors->count(), 0);
    }

    void writeAndReadASlot()
    {
        QSignalSpy ready(controller.get(), &HLDryerController::ready);
        const QByteArray initialTemperature = device->parameter(Sim::Temperature);
        QVERIFY(controller->writeSlot(3, fastSettings()));
        QTRY_COMPARE(ready.count(), 1);
        QCOMPARE(device->slotParameter(4, Sim::Temperature), QByteArray("160"));
        QCOMPARE(device->slotParameter(4, Sim::FastTemperature), QByteArray("180"));
        QCOMPARE(device->parameter(Sim::Temperature), initialTemperature);
        const QString writing = "Writing to slot";
        QCOMPARE(stateTexts(), (QStringList{writing, writing + " > Reading current",
                                            writing + " > Writing to current",
                                            writing + " > Copying current to slot",
                                            writing + " > Writing initial", writing, "Ready"}));

        texts->clear();
        Requester requester;
        QVERIFY(controller->readSlot(3, &requester));
        QTRY_COMPARE(ready.count(), 2);
        QCOMPARE(requester.calls, 1);
        QCOMPARE(controller->currentSettings(), fastSettings());
        QCOMPARE(device->parameter(Sim::Temperature), initialTemperature);
        const QString reading = "Reading from slot";
        QCOMPARE(stateTexts(), (QStringList{reading, reading + " > Reading current",
                                            reading + " > Copying slot to current",
                                            reading + " > Reading desired setting",
                                            reading + " > Writing initial", reading, "Ready"}));

        texts->clear();
        controller->copySlotToCurrent(3);
        QCOMPARE(controller->state(), 3);
        QTRY_COMPARE(ready.count(), 3);
        QCOMPARE(device->parameter(Sim::Temperature), QByteArray("160"));
        QCOMPARE(stateTexts(), (QStringList{"Moving from slot", "Ready"}));
        QCOMPARE(errors->count(), 0);
    }

    void failedOperationsAreReported()
    {
        // A slot that does not exist: the move fails inside the slot reader,
        // which reports it and leaves the requester alone.
        Requester requester;
        QVERIFY(controller->readSlot(Sim::SlotCount, &requester));
        QTRY_COMPARE(errors->count(), 1);
        QCOMPARE(lastError(), OperationError(4, 6, 108));
        QCOMPARE(requester.calls, 0);
        QCOMPARE(controller->state(), 1);

        // A load whose command is never answered.
        sim->removeCommand("Sd3");
        QVERIFY(controller->loadSettings(&requester));
        QTRY_COMPARE(errors->count(), 2);
        QCOMPARE(controller->state(), 1);
        QCOMPARE(requester.calls, 1);
        QVERIFY(!controller->lastLoadOk());
        QCOMPARE(lastError(), OperationError(2, 0, 113));
        QTRY_COMPARE(presenter->shown().size(), 2);
        QCOMPARE(presenter->last().icon, QMessageBox::Warning);
        QCOMPARE(presenter->last().text,
                 QString("An error ocurred!<br><br>Operation:<br><tt>Reading current settings</tt>"
                         "<br><br>Failed command: <br><tt>SD3</tt><br><br>Command description: <br>"
                         "Load qualifying samples count"));
    }

    // Writers and the mover end in ready with their own record as well.
    void failedWritesAndMovesAreReported()
    {
        // Slot numbers past the last one are not answered.
        QVERIFY(controller->writeSlot(Sim::SlotCount, fastSettings()));
        QTRY_COMPARE(errors->count(), 1);
        QCOMPARE(lastError(), OperationError(3, 5, 107));
        QCOMPARE(controller->state(), 1);

        controller->copySlotToCurrent(Sim::SlotCount);
        QCOMPARE(controller->state(), 3);
        QTRY_COMPARE(errors->count(), 2);
        QCOMPARE(lastError(), OperationError(6, 0, 108));
        QCOMPARE(controller->state(), 1);

        sim->removeCommand("Su0");
        QVERIFY(controller->writeSettings(stepSettings()));
        QTRY_COMPARE(errors->count(), 3);
        QCOMPARE(lastError(), OperationError(1, 0, 100));
        QCOMPARE(controller->state(), 1);
        QTRY_COMPARE(presenter->shown().size(), 3);
        QVERIFY(presenter->last().text.contains("<tt>Writing current settings</tt>"));
    }

    // A start command that the analyzer never answers: back to ready with
    // the error, and the next start goes through.
    void unansweredStartReturnsToReady()
    {
        sim->removeCommand("Sx6");
        QVERIFY(controller->startDrying());
        QCOMPARE(controller->state(), 7);
        QTRY_COMPARE(errors->count(), 1);
        QCOMPARE(controller->state(), 1);
        QCOMPARE(lastError(), OperationError(8, 0, 0));
        QTRY_COMPARE(presenter->shown().size(), 1);
        QVERIFY(presenter->last().text.contains("<tt>Drying process start</tt>"));

        sim->setCommand("Sx6", [this](const QByteArray&) { device->startFromKeyboard(); });
        QVERIFY(controller->startDrying());
        QTRY_COMPARE(controller->state(), 8);
        QCOMPARE(stateTexts(), (QStringList{"Starting", "Ready", "Starting", "Running"}));
    }

    // A light sample started on the keyboard while the settings are read:
    // the read is aborted, no run begins, and the controller is usable again.
    void keyboardStartOfALightSampleDuringARead()
    {
        device->setInitialMass(0.01);
        QSignalSpy destructive(controller.get(), &HLDryerController::destructiveStarted);
        QSignalSpy started(controller.get(), &HLDryerController::dryingStarted);
        QSignalSpy ready(controller.get(), &HLDryerController::ready);
        const auto trigger = connect(controller.get(), &HLDryerController::stateText, this,
                                     [this](const QString& text) {
                                         if (text == "Reading current")
                                             device->startFromKeyboard();
                                     });
        Requester requester;
        QVERIFY(controller->loadSettings(&requester));
        disconnect(trigger);
        QTRY_COMPARE(destructive.count(), 1);
        QCOMPARE(destructive.at(0).at(0).toBool(), false);
        QCOMPARE(ready.count(), 1);
        QCOMPARE(controller->state(), 1);
        QCOMPARE(started.count(), 0);
        QCOMPARE(errors->count(), 0);

        // The aborted read's last command may still run out on the engine:
        // a read asked for at once waits for it.
        QCOMPARE(requester.calls, 0);
        QVERIFY(controller->loadSettings(&requester));
        QTRY_COMPARE(requester.calls, 1);
        QVERIFY(controller->lastLoadOk());
    }

    // A stop line ends whatever state the controller is in; the read that
    // was running still delivers its result.
    void stopLineWhileReadingTheSettings()
    {
        sim->setCommand("Sd0", [this](const QByteArray&) {
            sim->reply("SK0");
            sim->reply(device->parameter(Sim::Temperature));
        });
        QSignalSpy ended(controller.get(), &HLDryerController::dryingEnd);
        QSignalSpy ready(controller.get(), &HLDryerController::ready);
        Requester requester;
        QVERIFY(controller->loadSettings(&requester));
        // The read may have ended too by the time the stop line is seen.
        QTRY_COMPARE(ended.count(), 1);
        QCOMPARE(controller->state(), 1);
        QTRY_COMPARE(requester.calls, 1);
        QVERIFY(controller->lastLoadOk());
        QCOMPARE(ready.count(), 2);
        QCOMPARE(stateTexts(), (QStringList{"Reading current", "Ready", "Ready"}));
        QCOMPARE(errors->count(), 0);
    }

    // The device goes away in the middle of an operation: no error box.
    void disconnectionAbortsSilently()
    {
        sim->setSilent(true);
        Requester requester;
        QVERIFY(controller->loadSettings(&requester));
        QTRY_VERIFY(sim->receivedLines().contains("Sd0"));
        texts->clear();
        disconnectDevice();
        // Whatever the abort sent has arrived once the device is back: the
        // controller stayed without a device until then.
        sim->setSilent(false);
        connectDevice();
        QCOMPARE(stateTexts(), (QStringList{QString(), "Ready"}));
        QCOMPARE(errors->count(), 0);
        QCOMPARE(requester.calls, 0);

        sim->setSilent(true);
        QVERIFY(controller->startDrying());
        QTRY_VERIFY(sim->receivedLines().contains("Sx6"));
        texts->clear();
        disconnectDevice();
        sim->setSilent(false);
        connectDevice();
        QCOMPARE(stateTexts(), (QStringList{QString(), "Ready"}));
        QCOMPARE(errors->count(), 0);
    }

    // A start on the keyboard while a slot is being read aborts the read.
    void keyboardStartDuringASlotRead()
    {
        QSignalSpy destructive(controller.get(), &HLDryerController::destructiveStarted);
        QSignalSpy started(controller.get(), &HLDryerController::dryingStarted);
        connect(controller.get(), &HLDryerController::stateText, this, [this](const QString& text) {
            if (text == "Reading from slot > Reading desired setting")
                device->startFromKeyboard();
        });
        Requester requester;
        QVERIFY(controller->readSlot(0, &requester));
        QTRY_COMPARE(controller->state(), 8);
        QCOMPARE(destructive.count(), 1);
        QCOMPARE(destructive.at(0).at(0).toBool(), true);
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.at(0), (QList<QVariant>{true, true, 1}));
        QCOMPARE(stateTexts().last(), QString("Running (external start)"));

        QSignalSpy ended(controller.get(), &HLDryerController::dryingEnd);
        // The stop waits for whatever the aborted read left running.
        QVERIFY(controller->stopDrying());
        QTRY_COMPARE(ended.count(), 1);
        QCOMPARE(requester.calls, 0);
        QCOMPARE(errors->count(), 0);
    }

    void onlineFirmwareUpload()
    {
        FirmwareReceiver receiver;
        QVERIFY(!controller->uploadFirmwareOnline(dir.filePath("missing.s19"), &receiver));
        // A file that cannot be read whole is refused too.
        const QString broken = writeFirmwareFile("broken.s19", "S1130000\r\nnot a record\r\n");
        QVERIFY(!controller->uploadFirmwareOnline(broken, &receiver));
        QCOMPARE(controller->state(), 1);
        QCOMPARE(stateTexts(),
                 (QStringList{"Uploading firmware", "Ready", "Uploading firmware", "Ready"}));

        const QString path = writeFirmwareFile("fw.s19", firmware(4));
        QVERIFY(controller->uploadFirmwareOnline(path, &receiver));
        QCOMPARE(controller->state(), 10);
        QTRY_COMPARE(receiver.finishes, QList<int>{1});
        QCOMPARE(receiver.states, (QList<int>{1, 2}));
        QCOMPARE(bootloader->records().size(), 5);
        // The engine ends the connection after every upload.
        QTRY_COMPARE(controller->state(), 0);
    }

    void twoOfflineUploadsInARow()
    {
        const QString path = writeFirmwareFile("fw.s19", firmware(3));
        FirmwareReceiver receiver;
        // Only with no device connected, and only over a serial port.
        QVERIFY(!controller->uploadFirmwareOffline(path, serialPort(link->slavePath()), true,
                                                   &receiver));
        disconnectDevice();
        QVERIFY(!controller->uploadFirmwareOffline(path, Common::Communication::ConnectionInfo(),
                                                   true, &receiver));

        for (int upload = 1; upload <= 2; ++upload) {
            QVERIFY(controller->uploadFirmwareOffline(path, serialPort(link->slavePath()), true,
                                                      &receiver));
            QTRY_COMPARE(receiver.finishes.size(), upload);
            QCOMPARE(receiver.finishes.last(), 1);
            QCOMPARE(bootloader->records().size(), 4);
        }
        QCOMPARE(controller->state(), 0);
    }

    void stateTextsInEnglishAndPolish_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("expected");
        // The English catalogue shows "Starting" as "Running".
        QTest::newRow("english") << QString("english")
                                 << QStringList{"Running",
                                                "Running",
                                                "Stopping",
                                                "Ready",
                                                "Writing current settings",
                                                "Ready",
                                                "Reading Current",
                                                "Ready",
                                                "Running (external start)",
                                                "Ready"};
        QTest::newRow("polish") << QString("polish")
                                << QStringList{"Uruchamianie",
                                               "Suszenie w toku",
                                               "Zatrzymywanie",
                                               "Gotowy",
                                               "Zapis bieżących ustawień",
                                               "Gotowy",
                                               "Odczyt bieżących ustawień",
                                               "Gotowy",
                                               "Suszenie w toku (start z urządzenia)",
                                               "Gotowy"};
    }

    void stateTextsInEnglishAndPolish()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        QTranslator translator;
        QVERIFY(translator.load(":/i18n/" + language + ".qm"));
        QCoreApplication::installTranslator(&translator);

        QSignalSpy ready(controller.get(), &HLDryerController::ready);
        QVERIFY(controller->startDrying());
        QTRY_COMPARE(controller->state(), 8);
        QVERIFY(controller->stopDrying());
        QTRY_COMPARE(ready.count(), 1);
        QVERIFY(controller->writeSettings(fastSettings()));
        QTRY_COMPARE(ready.count(), 2);
        QVERIFY(controller->loadSettings(nullptr));
        QTRY_COMPARE(ready.count(), 3);
        device->setReadingsPerRun(1);
        device->startFromKeyboard();
        QTRY_COMPARE(ready.count(), 4);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(stateTexts(), expected);
    }

    void slotAndFirmwareStateTextsInEnglishAndPolish_data()
    {
        QTest::addColumn<QString>("language");
        // Writing to slot, reading from slot, moving from slot, uploading, ready.
        QTest::addColumn<QStringList>("states");
        QTest::addColumn<QStringList>("writerSteps");
        QTest::addColumn<QStringList>("readerSteps");
        QTest::newRow("english") << QString("english")
                                 << QStringList{"Writing to slot", "Reading from slot",
                                                "Moving from slot", "Uploading firmware", "Ready"}
                                 << QStringList{"Reading Current", "Writing current settings",
                                                "Copying current to slot", "Writing initial"}
                                 << QStringList{"Reading Current", "Copying slot to current",
                                                "Reading desired setting", "Writing initial"};
        QTest::newRow("polish")
            << QString("polish")
            << QStringList{"Zapis do komórki pamięci", "Odczyt z komórki pamięci",
                           "Przenoszenie z komórki pamięci", "Wgrywanie oprogramowania", "Gotowy"}
            << QStringList{"Odczyt bieżących ustawień", "Zapis bieżących ustawień",
                           "Kopiowanie bieżących ustawień do komórki pamięci",
                           "Przywracanie początkowych ustawień"}
            << QStringList{"Odczyt bieżących ustawień",
                           "Kopiowanie komórki pamięci do bieżących ustawień",
                           "Odczyt żądanych ustawień", "Przywracanie początkowych ustawień"};
    }

    void slotAndFirmwareStateTextsInEnglishAndPolish()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, states);
        QFETCH(QStringList, writerSteps);
        QFETCH(QStringList, readerSteps);
        QTranslator translator;
        QVERIFY(translator.load(":/i18n/" + language + ".qm"));
        QCoreApplication::installTranslator(&translator);

        QSignalSpy ready(controller.get(), &HLDryerController::ready);
        QVERIFY(controller->writeSlot(2, stepSettings()));
        QTRY_COMPARE(ready.count(), 1);
        QVERIFY(controller->readSlot(2, nullptr));
        QTRY_COMPARE(ready.count(), 2);
        controller->copySlotToCurrent(2);
        QTRY_COMPARE(ready.count(), 3);
        QVERIFY(!controller->uploadFirmwareOnline(writeFirmwareFile("empty.s19", QByteArray()),
                                                  nullptr));
        QCoreApplication::removeTranslator(&translator);

        const QString readyText = states.at(4);
        QStringList expected;
        for (const auto& operation :
             {qMakePair(states.at(0), writerSteps), qMakePair(states.at(1), readerSteps)}) {
            expected << operation.first;
            for (const QString& step : operation.second)
                expected << operation.first + " > " + step;
            expected << operation.first << readyText;
        }
        expected << states.at(2) << readyText << states.at(3) << readyText;
        QCOMPARE(stateTexts(), expected);
        QCOMPARE(errors->count(), 0);
    }

    // The language is chosen at start, and the status text follows each
    // switch without any device event.
    void languageAtStartAndAtRunTime()
    {
        ScopedTestSettings settings;
        QFile install(QDir(dir.path()).filePath("InstallLang.txt"));
        QVERIFY(install.open(QIODevice::WriteOnly));
        install.write("polish\r\n");
        install.close();
        QCOMPARE(selectStartupLanguage(dir.path()), QString("polish"));

        Common::StateTextRetranslator stateRetranslator(controller.get());
        Common::Retranslator retranslator;
        retranslator.add(&stateRetranslator);
        retranslator.retranslate();
        QCOMPARE(stateTexts().last(), QString("Gotowy"));

        for (const char* name : {"english", "polish", "english"}) {
            QSettings().setValue("Translation", name);
            reloadTranslation();
            retranslator.retranslate();
        }
        QCOMPARE(stateTexts().mid(1), (QStringList{"Ready", "Gotowy", "Ready"}));
        QCOMPARE(controller->state(), 1);
    }
};

QTEST_MAIN(TestControllerScenarios)
#include "tst_controllerscenarios.moc"
