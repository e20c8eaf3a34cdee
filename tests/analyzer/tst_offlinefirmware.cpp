#include "analyzer/OfflineFirmwareUploader.h"
#include "analyzer/S19FirmwareFile.h"
#include "communication/ConnectionInfo.h"

#include "tests/support/S19Fixtures.h"

#include <QTemporaryDir>
#include <QtTest>

using Common::Communication::ConnectionInfo;
using Common::Communication::SerialConnectionPart;
using KD::Communication::OfflineFirmwareUploader;

namespace {

// Stands for the firmware dialog's progress broker.
class Receiver : public QObject
{
    Q_OBJECT

public:
    QList<int> finishes;
    QList<int> progress;
    QList<int> states;

public slots:
    void onFinish(int result) { finishes << result; }
    void onProgress(int percent) { progress << percent; }
    void onStateChange(int state) { states << state; }
};

ConnectionInfo serialPort(const QString &name, int baudRate = 9600)
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

        QVERIFY(!uploader.upload(serialPort("/dev/null"), false, dir.filePath("missing.s19"), &receiver));
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

private:
    QTemporaryDir dir;
    QString path;
};

QTEST_GUILESS_MAIN(TestOfflineFirmware)
#include "tst_offlinefirmware.moc"
