#include "analyzer/S19FirmwareFile.h"
#include "communication/StandardFirmwareUploader.h"
#include "tests/support/S19Fixtures.h"
#include "tests/support/ScriptedInterface.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Common::Communication::StandardFirmwareUploader;

namespace {

// A bootloader: "Mfirmwupd" to the hand-shake, "f1" to every record, and
// "f1" plus "f3" to the last one; failAt (1-based) answers "f2" instead,
// finishAt answers "f3" alone, and silent records get no answer.
struct Bootloader
{
    int records = 0;
    int failAt = 0;
    int finishAt = 0;
    bool answerHandshake = true;
    bool sayFinished = true;
    int seen = 0;

    QByteArray answer(const QByteArray& written)
    {
        if (written == "Sfirmwupd\r\n")
            return answerHandshake ? "Mfirmwupd\r\n" : QByteArray();
        ++seen;
        if (seen == failAt)
            return "f2\r\n";
        if (seen == finishAt)
            return "f3\r\n";
        if (seen == records && sayFinished)
            return "f1\r\nf3\r\n";
        return "f1\r\n";
    }
};

} // namespace

class TestStandardFirmwareUploader : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    ScriptedInterface* device = nullptr;
    StandardFirmwareUploader* uploader = nullptr;
    S19FirmwareFile image;
    Bootloader bootloader;

    void prepare(const QByteArray& content, bool useBootloader)
    {
        const QString path = dir.filePath("fw.s19");
        QVERIFY(S19Fixtures::writeFile(path, content));
        QVERIFY(image.load(path));
        bootloader.records = image.count();
        uploader->setUseBootloader(useBootloader);
        uploader->setFirmwareFile(&image);
        uploader->setInterface(device);
        device->open();
    }

    QByteArrayList recordsWritten() const
    {
        QByteArrayList writes = device->writes();
        writes.removeAll("Sfirmwupd\r\n");
        return writes;
    }

private slots:
    void init()
    {
        bootloader = Bootloader();
        uploader = new StandardFirmwareUploader(this);
        uploader->setHandshakeTimeout(200);
        uploader->setLineTimeout(100);
        uploader->setBootloaderPause(0);
        uploader->setFinishInterval(50);
        uploader->setFinishWaitLimit(3);
        // The uploader's engine takes the interface over as its child.
        device = new ScriptedInterface();
        device->setScript([this](const QByteArray& w) { return bootloader.answer(w); });
    }

    void cleanup()
    {
        delete uploader;
        uploader = nullptr;
    }

    void sendsEveryRecordAsTheFileHoldsIt_data()
    {
        QTest::addColumn<QByteArray>("end");
        QTest::addColumn<bool>("lastEnded");
        QTest::addColumn<bool>("useBootloader");
        QTest::newRow("CR LF, bootloader") << QByteArray("\r\n") << true << true;
        QTest::newRow("LF") << QByteArray("\n") << true << false;
        QTest::newRow("no final ending") << QByteArray("\r\n") << false << true;
    }

    void sendsEveryRecordAsTheFileHoldsIt()
    {
        QFETCH(QByteArray, end);
        QFETCH(bool, lastEnded);
        QFETCH(bool, useBootloader);
        const QByteArrayList records = S19Fixtures::records(5);
        prepare(S19Fixtures::join(records, end, lastEnded), useBootloader);
        QSignalSpy finished(uploader, &StandardFirmwareUploader::uploadFinished);
        QSignalSpy states(uploader, &StandardFirmwareUploader::uploadState);
        QSignalSpy progress(uploader, &StandardFirmwareUploader::uploadProgress);

        uploader->upload();
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 1);

        QByteArrayList expected;
        for (int i = 0; i < records.size(); ++i)
            expected << records.at(i) + (i + 1 < records.size() || lastEnded ? end : "");
        QCOMPARE(recordsWritten(), expected);
        QCOMPARE(device->writes().count("Sfirmwupd\r\n"), useBootloader ? 1 : 0);
        QCOMPARE(device->writes().first() == "Sfirmwupd\r\n", useBootloader);
        QList<int> stateList;
        for (const auto& s : states)
            stateList << s.at(0).toInt();
        QCOMPARE(stateList, useBootloader ? QList<int>({1, 2}) : QList<int>({2}));
        QCOMPARE(progress.last().at(0).toInt(), 100);
        QVERIFY(!uploader->isRunning());
    }

    void failsWhereTheDeviceRefusesARecord()
    {
        bootloader.failAt = 3;
        prepare(S19Fixtures::join(S19Fixtures::records(6), "\r\n"), true);
        QSignalSpy finished(uploader, &StandardFirmwareUploader::uploadFinished);
        uploader->upload();
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 0);
        QCOMPARE(recordsWritten().size(), 3);
    }

    void failsOnARecordWithoutAnswer()
    {
        prepare(S19Fixtures::join(S19Fixtures::records(3), "\r\n"), false);
        device->setScript([](const QByteArray&) { return QByteArray(); });
        QSignalSpy finished(uploader, &StandardFirmwareUploader::uploadFinished);
        uploader->upload();
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 0);
        // Nothing after the first record, and nothing more once it failed.
        const QByteArrayList written = recordsWritten();
        QCOMPARE(QSet<QByteArray>(written.begin(), written.end()).size(), 1);
        QVERIFY(!finished.wait(350));
        QCOMPARE(finished.count(), 1);
    }

    // The hand-shake is written once; the wait for the bootloader is bounded.
    void silentBootloaderGetsOneHandshakeAndNothingElse()
    {
        bootloader.answerHandshake = false;
        prepare(S19Fixtures::join(S19Fixtures::records(3), "\r\n"), true);
        QSignalSpy finished(uploader, &StandardFirmwareUploader::uploadFinished);
        QSignalSpy states(uploader, &StandardFirmwareUploader::uploadState);
        uploader->upload();
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 0);
        QCOMPARE(device->writes(), QByteArrayList{"Sfirmwupd\r\n"});
        QCOMPARE(states.count(), 0);
        // A late answer changes nothing.
        device->feed("Mfirmwupd\r\n");
        QVERIFY(!finished.wait(100));
        QCOMPARE(device->writes().size(), 1);
    }

    void finishedAnswerEndsTheUploadWithRecordsLeft()
    {
        bootloader.finishAt = 2;
        prepare(S19Fixtures::join(S19Fixtures::records(5), "\r\n"), false);
        QSignalSpy finished(uploader, &StandardFirmwareUploader::uploadFinished);
        uploader->upload();
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 1);
        QCOMPARE(recordsWritten().size(), 2);
    }

    void lastRecordWaitsForTheFinishedAnswer()
    {
        bootloader.sayFinished = false;
        prepare(S19Fixtures::join(S19Fixtures::records(1), "\r\n"), false);
        QSignalSpy finished(uploader, &StandardFirmwareUploader::uploadFinished);
        QSignalSpy progress(uploader, &StandardFirmwareUploader::uploadProgress);
        uploader->upload();
        QTRY_COMPARE(device->writes().size(), 1);
        QCOMPARE(progress.count(), 2);
        QCOMPARE(progress.at(1).at(0).toInt(), 100);
        QVERIFY(!finished.wait(60));
        device->feed("f3\r\n");
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 1);
        // Reported once: a second "f3" changes nothing.
        device->feed("f3\r\n");
        QVERIFY(!finished.wait(100));
    }

    void finishWaitIsBounded()
    {
        bootloader.sayFinished = false;
        prepare(S19Fixtures::join(S19Fixtures::records(2), "\r\n"), false);
        QSignalSpy finished(uploader, &StandardFirmwareUploader::uploadFinished);
        QElapsedTimer clock;
        clock.start();
        uploader->upload();
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 0);
        QVERIFY(clock.elapsed() >= 3 * 50);
        device->feed("f3\r\n");
        QVERIFY(!finished.wait(100));
    }

    void interfaceFailureEndsTheUpload()
    {
        bootloader.sayFinished = false;
        prepare(S19Fixtures::join(S19Fixtures::records(2), "\r\n"), false);
        QSignalSpy finished(uploader, &StandardFirmwareUploader::uploadFinished);
        uploader->upload();
        QTRY_COMPARE(device->writes().size(), 2);
        device->announceState(2);
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 0);
    }

    // 1 when the transfer starts, then the percentage of every record whose
    // percentage is above 0: with 250 records, from the third on.
    void progressFollowsTheRecords()
    {
        prepare(S19Fixtures::join(S19Fixtures::records(250), "\r\n"), false);
        QSignalSpy finished(uploader, &StandardFirmwareUploader::uploadFinished);
        QSignalSpy progress(uploader, &StandardFirmwareUploader::uploadProgress);
        uploader->upload();
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(progress.count(), 1 + 248);
        QCOMPARE(progress.at(0).at(0).toInt(), 1);
        for (int record = 3; record <= 250; ++record)
            QCOMPARE(progress.at(record - 2).at(0).toInt(), record * 100 / 250);
    }

    void emptyImageFailsAtOnce()
    {
        S19FirmwareFile empty;
        uploader->setFirmwareFile(&empty);
        uploader->setInterface(device);
        QSignalSpy finished(uploader, &StandardFirmwareUploader::uploadFinished);
        uploader->upload();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 0);
        QVERIFY(device->writes().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStandardFirmwareUploader)
#include "tst_standardfirmwareuploader.moc"
