#include "analyzer/OfflineFirmwareUploader.h"
#include "analyzer/S19FirmwareFile.h"
#include "communication/ConnectionInfo.h"
#include "ui/FirmwareProgressBroker.h"
#include "ui/IFirmwareProgressReceiver.h"

#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/S19Fixtures.h"
#include "tests/support/SimulatorPtyLink.h"

#include <QTemporaryDir>
#include <QtTest>

using Common::Communication::ConnectionInfo;
using Common::Communication::SerialConnectionPart;
using KD::Communication::OfflineFirmwareUploader;

namespace {

// Stands for the firmware dialog behind its progress broker.
class Receiver : public FirmwareProgressBroker, private IFirmwareProgressReceiver
{
public:
    Receiver() { setReceiver(this); }

    QList<int> finishes;
    QList<int> progress;
    QList<int> states;

private:
    void onFinish(int result) override { finishes << result; }
    void onProgress(int percent) override { progress << percent; }
    void onStateChange(int state) override { states << state; }
};

ConnectionInfo serialPort(const QString& name, int baudRate = 9600)
{
    SerialConnectionPart part;
    part.portName = name;
    part.baudRate = baudRate;
    ConnectionInfo info;
    info.setSerialPart(part);
    return info;
}

QByteArray firmware(int records)
{
    return S19Fixtures::join(S19Fixtures::records(records) << "S9030000FC", "\r\n");
}

} // namespace

class TestOfflineFirmware : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        path = dir.filePath("fw.s19");
        QVERIFY(S19Fixtures::writeFile(path, firmware(5)));
    }

    void unusableFilesAreRefusedAtOnce()
    {
        S19FirmwareFile image;
        Receiver receiver;
        OfflineFirmwareUploader uploader;
        QVERIFY(!uploader.upload(serialPort("/dev/null"), false, path, &receiver)); // no image set
        uploader.setFirmwareFile(&image);

        QVERIFY(!uploader.upload(serialPort("/dev/null"), false, dir.filePath("missing.s19"),
                                 &receiver));
        const QString empty = dir.filePath("empty.s19");
        QVERIFY(S19Fixtures::writeFile(empty, QByteArray()));
        QVERIFY(!uploader.upload(serialPort("/dev/null"), false, empty, &receiver));
        QVERIFY(!uploader.isBusy());
        QVERIFY(receiver.finishes.isEmpty());
    }

    // A port that cannot be opened ends the upload with 0, and the uploader
    // is free again for the next try.
    void unopenablePortFailsAndFreesTheUploader()
    {
        S19FirmwareFile image;
        Receiver receiver;
        OfflineFirmwareUploader uploader;
        uploader.setFirmwareFile(&image);

        for (int attempt = 1; attempt <= 2; ++attempt) {
            QVERIFY(uploader.upload(serialPort("No ports avaliable"), true, path, &receiver));
            QVERIFY(uploader.isBusy());
            QVERIFY(!uploader.upload(serialPort("No ports avaliable"), true, path, &receiver));
            QTRY_COMPARE(receiver.finishes.size(), attempt);
            QCOMPARE(receiver.finishes.last(), 0);
            QTRY_VERIFY(!uploader.isBusy());
        }
        QVERIFY(receiver.progress.isEmpty());
    }

    // The port is closed after each upload, so the same port serves the next
    // one; with the hand-shake only when asked for, always at 115200 baud.
    void twoUploadsInARowOnOnePort()
    {
        AnalyzerSimulator sim;
        SimulatorPtyLink link(&sim);
        QVERIFY(link.open());
        QByteArrayList records;
        QList<int> baudRates; // while each record arrives
        QList<int> handshakeRates;
        sim.setCommand("Sfirmwupd", [&](const QByteArray&) {
            handshakeRates << link.slaveBaudRate();
            sim.reply("Mfirmwupd");
        });
        sim.setCommand("S1", [&](const QByteArray& data) {
            records << "S1" + data;
            baudRates << link.slaveBaudRate();
            sim.reply("f1");
        });
        sim.setCommand("S9", [&](const QByteArray&) { sim.reply("f3"); });

        S19FirmwareFile image;
        Receiver receiver;
        OfflineFirmwareUploader uploader;
        uploader.setFirmwareFile(&image);

        QVERIFY(uploader.upload(serialPort(link.slavePath(), 1200), false, path, &receiver));
        QTRY_COMPARE(receiver.finishes, QList<int>{1});
        QTRY_VERIFY(!uploader.isBusy());
        QCOMPARE(records, S19Fixtures::records(5));
        QVERIFY(!sim.receivedLines().contains("Sfirmwupd"));
        QCOMPARE(receiver.progress.last(), 100);
        QCOMPARE(baudRates, (QList<int>{115200, 115200, 115200, 115200, 115200}));

        records.clear();
        sim.clearReceived();
        receiver.states.clear();
        QVERIFY(uploader.upload(serialPort(link.slavePath(), 1200), true, path, &receiver));
        QTRY_COMPARE(receiver.finishes, (QList<int>{1, 1}));
        QCOMPARE(sim.receivedLines().first(), QByteArray("Sfirmwupd"));
        QCOMPARE(receiver.states, (QList<int>{1, 2}));
        QCOMPARE(records, S19Fixtures::records(5));
        // The hand-shake goes at the chosen rate, the records at 115200.
        QCOMPARE(handshakeRates, QList<int>{1200});
        QCOMPARE(baudRates.last(), 115200);
    }

private:
    QTemporaryDir dir;
    QString path;
};

QTEST_GUILESS_MAIN(TestOfflineFirmware)
#include "tst_offlinefirmware.moc"
