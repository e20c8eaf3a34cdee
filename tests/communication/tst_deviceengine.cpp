#include "analyzer/S19FirmwareFile.h"
#include "communication/DeviceEngine.h"
#include "tests/support/DeviceEngineRig.h"
#include "tests/support/GenericCommandCreator.h"
#include "tests/support/OnThread.h"
#include "tests/support/RunningThread.h"
#include "tests/support/S19Fixtures.h"
#include "tests/support/ScriptedInterface.h"

#include <QTemporaryDir>
#include <QtTest>

#include <atomic>

using namespace Common::Communication;

namespace {

const QByteArray identification =
    "Sorvana MA-110\r\nSN 00123 X7\r\n2024-03-01\r\nFW 2.14\r\nL5\r\nL6\r\n";

// The device behind the memory transport; read on the communication thread.
struct Device
{
    std::atomic<bool> identifies{true};
    std::atomic<bool> answersEcho{true};
    std::atomic<bool> bootloader{false};

    // Everything written, kept beyond the transport, which goes with its
    // connection.
    QByteArrayList written()
    {
        QMutexLocker lock(&mutex);
        return writes;
    }
    void forget()
    {
        QMutexLocker lock(&mutex);
        writes.clear();
        identity = identification;
    }
    void setIdentity(const QByteArray& lines)
    {
        QMutexLocker lock(&mutex);
        identity = lines;
    }

    QByteArray answer(const QByteArray& written)
    {
        QByteArray who;
        {
            QMutexLocker lock(&mutex);
            writes << written;
            who = identity;
        }
        if (bootloader)
            return written == "Sfirmwupd\r\n" ? "Mfirmwupd\r\n" : "f1\r\n";
        if (written == "SW9\r\n")
            return identifies ? who : QByteArray();
        if (written == "SJ\r\n")
            return answersEcho ? "MJ\r\n" : QByteArray();
        if (written == "T1\r\n")
            return "OK1\r\n";
        return QByteArray();
    }

private:
    QMutex mutex;
    QByteArrayList writes;
    QByteArray identity = identification;
};

} // namespace

class TestDeviceEngine : public QObject
{
    Q_OBJECT

    static constexpr int ReplyTimeout = 80;
    static constexpr int EchoInterval = 150;

    RunningThread thread;
    DeviceEngineRig* rig = nullptr;
    DeviceEngine* engine = nullptr;
    ScriptedInterface* iface = nullptr;
    Device device;
    QStringList& events() { return rig->events; }
    QElapsedTimer sinceConnected;

    QByteArrayList writes() { return device.written(); }

    void sync()
    {
        onThread(engine, [] {});
    }

    QTemporaryDir dir;
    bool loadImage(S19FirmwareFile& image, int records)
    {
        const QString path = dir.filePath("fw.s19");
        return S19Fixtures::writeFile(path,
                                      S19Fixtures::join(S19Fixtures::records(records), "\r\n"))
               && image.load(path);
    }

    ScriptedInterface* newTransport()
    {
        iface = new ScriptedInterface();
        iface->setScript([this](const QByteArray& w) { return device.answer(w); });
        return iface;
    }

    void attachAndConnect() { rig->attachAndConnect(newTransport()); }

    bool connectDevice()
    {
        if (!rig->connectDevice(newTransport()))
            return false;
        sinceConnected.start();
        return true;
    }

private slots:
    void init()
    {
        device.identifies = true;
        device.answersEcho = true;
        device.bootloader = false;
        device.forget();
        rig = new DeviceEngineRig(&thread, ReplyTimeout, EchoInterval);
        engine = rig->engine();
    }

    void cleanup()
    {
        delete rig;
        rig = nullptr;
    }

    void identifiesTheDeviceWhileConnecting()
    {
        QVERIFY(connectDevice());
        const DeviceInfo info = engine->deviceInfo();
        QCOMPARE(info.model, QString("Sorvana MA-110"));
        QCOMPARE(info.serialNumber, QString("SN 00123"));
        QCOMPARE(info.firmware, QString("FW 2.14"));
        QCOMPARE(writes(), QByteArrayList{"SW9\r\n"});
    }

    // Asked again while connected (after a firmware change, say): the new
    // information is kept, and no second "connected" goes out.
    void identifyingAgainOnlyUpdatesTheInformation()
    {
        QVERIFY(connectDevice());
        device.setIdentity(
            "Sorvana MA-110\r\nSN 00123 X7\r\n2024-03-01\r\nFW 2.15\r\nL5\r\nL6\r\n");
        QVERIFY(engine->scheduleCommand(CommandRequest(36)));
        QTRY_COMPARE(events(), QStringList{"ok 36 0"});
        QCOMPARE(engine->deviceInfo().firmware, QString("FW 2.15"));
        QCOMPARE(engine->connectionState(), int(IDevice::Connected));
    }

    void silentIdentificationEndsTheAttempt()
    {
        device.identifies = false;
        attachAndConnect();
        QTRY_COMPARE(events(), QStringList({"state 4 0", "state 2 1"}));
        QCOMPARE(writes(), QByteArrayList({"SW9\r\n", "SW9\r\n", "SW9\r\n"}));
        QCOMPARE(engine->deviceInfo().model, QString());
    }

    void transportThatCannotOpenFailsWithoutStates()
    {
        newTransport()->setOpenResult(false);
        rig->attachAndConnect(iface);
        QTRY_COMPARE(events(), QStringList{"failed"});
        QCOMPARE(engine->connectionState(), int(IDevice::Disconnected));
    }

    void interfaceLossWhileConnectedIsReason3()
    {
        QVERIFY(connectDevice());
        onThread(iface, [this] { iface->announceState(CInterface::Disconnected); });
        QTRY_COMPARE(events(), QStringList{"state 2 3"});
        QVERIFY(!engine->scheduleCommand(GenericCommandCreator::simple(50, "T1", "OK1")));
    }

    void silentDeviceIsDroppedByTheEchoOnlyWhenSwitchedOn()
    {
        engine->setEchoEnabled(false);
        QVERIFY(connectDevice());
        device.answersEcho = false;
        QVERIFY(!QTest::qWaitFor([this] { return !events().isEmpty(); },
                                 EchoInterval + 5 * ReplyTimeout));
        QVERIFY(!writes().contains("SJ\r\n"));

        engine->setEchoEnabled(true);
        sinceConnected.start();
        QTRY_COMPARE(events(), QStringList{"state 2 0"});
        // Interval, then the echo written three times a time-out apart.
        QVERIFY(sinceConnected.elapsed() >= 3 * ReplyTimeout);
        QCOMPARE(writes().count("SJ\r\n"), 3);
    }

    void answeredEchoKeepsTheConnection()
    {
        engine->setEchoEnabled(true);
        QVERIFY(connectDevice());
        QTRY_VERIFY(writes().count("SJ\r\n") >= 3);
        QVERIFY(events().isEmpty());
    }

    void commandDuringEchoWaitsForIt()
    {
        engine->setEchoEnabled(true);
        QVERIFY(connectDevice());
        device.answersEcho = false;
        QTRY_COMPARE(writes().count("SJ\r\n"), 1);
        QVERIFY(!engine->sendString("RAW\r\n"));
        QVERIFY(engine->scheduleCommand(GenericCommandCreator::simple(50, "T1", "OK1")));
        sync();
        QVERIFY(!writes().contains("T1\r\n"));
        QCOMPARE(engine->engineState(), int(DeviceEngine::WaitingForEcho));
        onThread(iface, [this] { iface->feed("MJ\r\n"); });
        QTRY_COMPARE(events(), QStringList{"ok 50 0"});
        QVERIFY(writes().contains("T1\r\n"));
    }

    void failedEchoDropsTheDeferredCommand()
    {
        engine->setEchoEnabled(true);
        QVERIFY(connectDevice());
        device.answersEcho = false;
        QTRY_COMPARE(writes().count("SJ\r\n"), 1);
        QVERIFY(engine->scheduleCommand(GenericCommandCreator::simple(50, "T1", "OK1")));
        // Anything but "MJ" fails the echo.
        onThread(iface, [this] { iface->feed("mj\r\n"); });
        QTRY_COMPARE(events(), QStringList{"state 2 0"});
        QVERIFY(!writes().contains("T1\r\n"));
    }

    void requestsAreRefusedWhileBusyOrDisconnected()
    {
        QVERIFY(!engine->scheduleCommand(GenericCommandCreator::simple(50, "T1", "OK1")));
        QVERIFY(!engine->sendString("RAW\r\n"));
        QVERIFY(connectDevice());
        QVERIFY(engine->scheduleCommand(GenericCommandCreator::simple(51, "T2", "OK2")));
        QVERIFY(!engine->scheduleCommand(GenericCommandCreator::simple(50, "T1", "OK1")));
        sync();
        QCOMPARE(engine->engineState(), int(DeviceEngine::WaitingForCommand));
        QVERIFY(!engine->scheduleCommand(GenericCommandCreator::simple(50, "T1", "OK1")));
        QVERIFY(!engine->sendString("RAW\r\n"));
        // T2 is never answered: it times out and is reported as failed.
        QTRY_COMPARE(events(), QStringList{"failed 51 3"});
        QVERIFY(engine->sendString("RAW\r\n"));
        QTRY_VERIFY(writes().contains("RAW\r\n"));
        QCOMPARE(writes().count("RAW\r\n"), 1);
    }

    // An operation that gives its command up: the command runs out without
    // an outcome, and the next one waits for it instead of being refused.
    void abandonedCommandRunsOutUnreportedAndTheNextWaits()
    {
        QVERIFY(connectDevice());
        QVERIFY(engine->scheduleCommand(GenericCommandCreator::simple(51, "T2", "OK2")));
        QTRY_VERIFY(writes().contains("T2\r\n"));
        engine->abandonCommand();
        QVERIFY(engine->scheduleCommand(GenericCommandCreator::simple(50, "T1", "OK1")));
        QVERIFY(!engine->scheduleCommand(GenericCommandCreator::simple(50, "T1", "OK1")));
        QTRY_COMPARE(events(), QStringList{"ok 50 0"});
        QCOMPARE(writes(), QByteArrayList({"SW9\r\n", "T2\r\n", "T2\r\n", "T2\r\n", "T1\r\n"}));
    }

    void unknownCommandIsReportedAsNotSent()
    {
        QVERIFY(connectDevice());
        QVERIFY(engine->scheduleCommand(CommandRequest(0)));
        QTRY_COMPARE(events(), QStringList{"sendFailed 0 0"});
        QCOMPARE(engine->engineState(), int(DeviceEngine::Idle));
    }

    void disconnectDuringACommandAbortsIt()
    {
        QVERIFY(connectDevice());
        QVERIFY(engine->scheduleCommand(GenericCommandCreator::simple(51, "T2", "OK2")));
        QTRY_VERIFY(writes().contains("T2\r\n"));
        QPointer<ScriptedInterface> transport(iface);
        engine->requestDisconnect();
        QTRY_COMPARE(events(), QStringList({"aborted 51 0", "state 2 2"}));
        QCOMPARE(engine->deviceInfo().model, QString());
        // The connection's transport goes with it.
        QTRY_VERIFY(transport.isNull());
    }

    void unsolicitedLinesReachTheLineHandler()
    {
        QVERIFY(connectDevice());
        onThread(iface, [this] { iface->feed("12.5 g\r\nSK0\r\n"); });
        QTRY_COMPARE(rig->lines().mid(rig->lines().size() - 2), QStringList({"12.5 g", "SK0"}));
    }

    void firmwareUploadEndsTheConnection()
    {
        S19FirmwareFile image;
        QVERIFY(loadImage(image, 3));
        onThread(engine, [this] { engine->firmwareUploader().setFinishInterval(20); });

        QVERIFY(!engine->scheduleFirmwareUpload(&image)); // not connected
        QVERIFY(connectDevice());
        device.bootloader = true;
        QVERIFY(engine->scheduleFirmwareUpload(&image));
        QVERIFY(!engine->scheduleCommand(GenericCommandCreator::simple(50, "T1", "OK1")));
        // Every record answered "f1" but never "f3": the bounded wait fails it.
        QTRY_COMPARE(events(),
                     QStringList({"upload state 1", "upload state 2", "upload 0", "state 2 2"}));
        QCOMPARE(writes().count("Sfirmwupd\r\n"), 1);
        QCOMPARE(writes().size(), 1 + 1 + 3);
    }

    // The hand-shake cannot be written, so the upload fails inside upload(),
    // while the engine holds its operation lock: the end must still come.
    void uploadFailingAtOnceStillEndsTheConnection()
    {
        S19FirmwareFile image;
        QVERIFY(loadImage(image, 2));
        QVERIFY(connectDevice());
        onThread(iface, [this] { iface->setWriteFails(true); });
        QVERIFY(engine->scheduleFirmwareUpload(&image));
        QTRY_COMPARE(events(), QStringList({"upload 0", "state 2 2"}));
    }

    void firmwareUploadWaitsForARunningEcho()
    {
        S19FirmwareFile image;
        QVERIFY(loadImage(image, 1));

        engine->setEchoEnabled(true);
        QVERIFY(connectDevice());
        device.answersEcho = false;
        QTRY_COMPARE(writes().count("SJ\r\n"), 1);
        QVERIFY(!engine->scheduleFirmwareUpload(&image));
    }
};

QTEST_GUILESS_MAIN(TestDeviceEngine)
#include "tst_deviceengine.moc"
