#include "analyzer/S19FirmwareFile.h"
#include "communication/CRS232.h"
#include "communication/DeviceEngine.h"
#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/DeviceEngineRig.h"
#include "tests/support/GenericCommandCreator.h"
#include "tests/support/OnThread.h"
#include "tests/support/QueuedSignalSpy.h"
#include "tests/support/RunningThread.h"
#include "tests/support/S19Fixtures.h"
#include "tests/support/SimulatorBootloader.h"
#include "tests/support/SimulatorMeasurementStream.h"
#include "tests/support/SimulatorPtyLink.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Common::Communication;

// The device engine against the analyzer simulator on a pty, the serial
// cable of the tests.
class TestDeviceEngineOnSimulator : public QObject
{
    Q_OBJECT

    RunningThread thread;
    DeviceEngineRig* rig = nullptr;
    DeviceEngine* engine = nullptr;
    AnalyzerSimulator* simulator = nullptr;
    SimulatorPtyLink* link = nullptr;

    CRS232* port() { return new CRS232(link->slavePath(), 9600, "pty"); }

private slots:
    void init()
    {
        simulator = new AnalyzerSimulator(this);
        link = new SimulatorPtyLink(simulator, this);
        QVERIFY(link->open());
        rig = new DeviceEngineRig(&thread, 300, 150);
        engine = rig->engine();
    }

    void cleanup()
    {
        delete rig;
        delete link;
        delete simulator;
    }

    void identifiesTheAnalyzer()
    {
        simulator->setIdentification({"WAG-50", "SN 00123 X7", "2024-04-12", "v2.07", "--", "--"});
        QVERIFY(rig->connectDevice(port()));
        const DeviceInfo info = engine->deviceInfo();
        QCOMPARE(info.model, QString("WAG-50"));
        QCOMPARE(info.serialNumber, QString("SN 00123"));
        QCOMPARE(info.date, QString("2024-04-12"));
        QCOMPARE(info.firmware, QString("v2.07"));
    }

    // Readings keep coming while the echo waits for "MJ"; an echo that lets
    // them pass keeps the connection, and a command asked for meanwhile runs
    // once the echo has its answer.
    void readingsDuringAnEchoPassItsWay()
    {
        rig->creator()->setEchoLimit(1000);
        engine->setEchoEnabled(true);
        SimulatorMeasurementStream stream(simulator);
        stream.delayEcho(150);
        QVERIFY(rig->connectDevice(port()));
        QElapsedTimer clock;
        qint64 echoAt = -1, commandAt = -1;
        connect(simulator, &AnalyzerSimulator::lineReceived, this, [&](const QByteArray& line) {
            if (line == "SJ" && echoAt < 0)
                echoAt = clock.elapsed();
            if (line == "T1")
                commandAt = clock.elapsed();
        });
        clock.start();
        QTRY_VERIFY(echoAt >= 0);
        stream.start(20);
        QVERIFY(engine->scheduleCommand(GenericCommandCreator::simple(50, "T1")));
        QTRY_VERIFY(commandAt >= 0);
        QVERIFY(commandAt - echoAt >= 150 - 10); // not before the delayed "MJ"
        QVERIFY(stream.sent() >= 3);
        stream.stop();
        QTRY_COMPARE(rig->lines().size(), stream.sent());
        QCOMPARE(rig->lines().first(), QString("12.500 g"));
        QCOMPARE(rig->events, QStringList{"ok 50 0"});
    }

    // The echo that fails on the first other line (as the analyzer's does)
    // loses the connection to a reading that arrives before "MJ".
    void readingDuringAStrictEchoDropsTheConnection()
    {
        engine->setEchoEnabled(true);
        SimulatorMeasurementStream stream(simulator);
        stream.delayEcho(150);
        QVERIFY(rig->connectDevice(port()));
        QTRY_VERIFY(simulator->receivedLines().contains("SJ"));
        stream.start(20);
        QTRY_COMPARE(rig->events, QStringList{"state 2 0"});
    }

    void uploadsFirmwareThroughTheBootloader_data()
    {
        QTest::addColumn<int>("failAt");
        QTest::newRow("whole file") << 0;
        QTest::newRow("refused at record 4") << 4;
    }

    void uploadsFirmwareThroughTheBootloader()
    {
        QFETCH(int, failAt);
        SimulatorBootloader bootloader(simulator);
        bootloader.failAt(failAt);
        int baudAtFirstRecord = 0;
        connect(simulator, &AnalyzerSimulator::lineReceived, this, [&](const QByteArray& line) {
            if (line.startsWith("S1") && baudAtFirstRecord == 0)
                baudAtFirstRecord = link->slaveBaudRate();
        });
        QByteArrayList records = S19Fixtures::records(9);
        records << "S9030000FC";
        QTemporaryDir dir;
        const QString path = dir.filePath("fw.s19");
        QVERIFY(S19Fixtures::writeFile(path, S19Fixtures::join(records, "\r\n")));
        S19FirmwareFile image;
        QVERIFY(image.load(path));
        QueuedSignalSpy progress(engine, &DeviceEngine::fwUploadProgress);

        QVERIFY(rig->connectDevice(port()));
        QCOMPARE(link->slaveBaudRate(), 9600);
        QVERIFY(engine->scheduleFirmwareUpload(&image));
        const QString result = failAt ? "upload 0" : "upload 1";
        QTRY_COMPARE(rig->events,
                     QStringList({"upload state 1", "upload state 2", result, "state 2 2"}));
        QCOMPARE(baudAtFirstRecord, 115200);
        QCOMPARE(simulator->receivedLines().count("Sfirmwupd"), 1);
        QCOMPARE(bootloader.records(), failAt ? records.mid(0, failAt) : records);
        if (!failAt)
            QCOMPARE(progress.last().at(0).toInt(), 100);
    }
};

QTEST_GUILESS_MAIN(TestDeviceEngineOnSimulator)
#include "tst_deviceengineonsimulator.moc"
