#include "analyzer/S19FirmwareFile.h"
#include "tests/support/S19Fixtures.h"
#include "tests/support/ThreadReadCounter.h"

#include <QTemporaryDir>
#include <QtTest>

using S19Fixtures::record;

class TestS19FirmwareFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString write(const QByteArray& content)
    {
        static int n = 0;
        const QString path = dir.filePath(QString("fw%1.s19").arg(++n));
        if (!S19Fixtures::writeFile(path, content))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void keepsLinesWithTheirOwnEndings_data()
    {
        QTest::addColumn<QByteArray>("end");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("LF") << QByteArray("\n");
    }

    void keepsLinesWithTheirOwnEndings()
    {
        QFETCH(QByteArray, end);
        const QByteArray a = record(0x1000, "\x01\x02\x03"), b = record(0x1003, "\xFF"),
                         c = "S9030000FC";
        S19FirmwareFile fw;
        QVERIFY2(fw.load(write(a + end + b + end + c + end)), qPrintable(fw.errorString()));
        QCOMPARE(fw.count(), 3);
        QCOMPARE(fw.currentLine(), a + end);
        QVERIFY(fw.next());
        QCOMPARE(fw.currentLine(), b + end);
        QVERIFY(fw.next());
        QCOMPARE(fw.currentLine(), c + end);
        QVERIFY(!fw.next());
        QCOMPARE(fw.index(), 2);
        fw.reset();
        QCOMPARE(fw.index(), 0);
    }

    void lastLineWithoutEndingIsKeptWithoutOne()
    {
        const QByteArray a = record(0, "AB"), b = "S9030000FC";
        S19FirmwareFile fw;
        QVERIFY(fw.load(write(a + "\r\n" + b)));
        QCOMPARE(fw.count(), 2);
        fw.next();
        QCOMPARE(fw.currentLine(), b);
    }

    void lowerCaseHexIsAccepted()
    {
        S19FirmwareFile fw;
        QVERIFY(fw.load(write(record(0xABCD, "\xEE").toLower().replace('s', 'S') + "\n")));
    }

    // A broken file must leave nothing behind: callers only test emptiness.
    void rejectsBrokenFilesAndHoldsNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray good = record(0x10, "\x11\x22") + "\r\n";
        QByteArray badSum = record(0x10, "\x11\x22");
        badSum[badSum.size() - 1] = badSum.endsWith('0') ? '1' : '0';
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("bad checksum") << good + badSum + "\r\n" + good;
        QTest::newRow("count too short") << good + "S1040010112233" + "\r\n";
        QTest::newRow("not hex") << good + "S10500101G2233\r\n";
        QTest::newRow("odd length") << good + "S1030010E\r\n";
        QTest::newRow("no S") << good + "X1030010EC\r\n";
        QTest::newRow("blank line") << good + "\r\n" + good;
        QTest::newRow("binary") << QByteArray("\x7F"
                                              "ELF\0\0\x01\n",
                                              8);
        QTest::newRow("zero byte in record") << good
                                                    + QByteArray("S1\0"
                                                                 "30010EC\n",
                                                                 11);
        QTest::newRow("CR only endings") << record(0, "A") + "\r" + record(1, "B") + "\r";
    }

    void rejectsBrokenFilesAndHoldsNothing()
    {
        QFETCH(QByteArray, content);
        S19FirmwareFile fw;
        QVERIFY(fw.load(write(record(0, "x") + "\n")));
        QVERIFY(!fw.load(write(content)));
        QVERIFY(fw.isEmpty());
        QCOMPARE(fw.index(), 0);
        QVERIFY(fw.currentLine().isEmpty());
        QVERIFY(!fw.errorString().isEmpty());
    }

    // The log names the fault and its line: a wrong checksum apart from a
    // line that is no record at all.
    void faultsNameTheirLine()
    {
        const QByteArray good = record(0x10, "\x11\x22") + "\r\n";
        QByteArray badSum = record(0x20, "\x33");
        badSum[badSum.size() - 1] = badSum.endsWith('0') ? '1' : '0';
        S19FirmwareFile fw;
        QVERIFY(!fw.load(write(good + good + badSum + "\r\n" + good)));
        QCOMPARE(fw.errorString(), QString("checksum error in line 3"));
        QVERIFY(!fw.load(write(good + "S1030010E\r\n")));
        QCOMPARE(fw.errorString(), QString("line 2 is not an S-record"));
    }

    void fileLargerThanAnyFirmwareIsNotRead()
    {
        const QString path = dir.filePath("huge.s19");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(record(0, "x") + "\n") > 0);
        QVERIFY(file.resize(qint64(1) << 30)); // a hole, read as zeros
        file.close();
        const ThreadReadCounter counter;
        S19FirmwareFile fw;
        const bool loaded = fw.load(path);
        const qint64 read = counter.bytes();
        QVERIFY(file.remove());
        QVERIFY(!loaded);
        QVERIFY(fw.isEmpty());
        QVERIFY(fw.errorString().startsWith("file is larger than"));
        // Refused by its size alone: not even its first line was read.
        QVERIFY2(read >= 0 && read < S19FirmwareFile::kMaxLineLength,
                 qPrintable(QString::number(read)));
    }

    void missingFileFails()
    {
        S19FirmwareFile fw;
        QVERIFY(!fw.load(dir.filePath("absent.s19")));
        QVERIFY(fw.isEmpty());
    }

    void clearDropsLinesAndCursor()
    {
        S19FirmwareFile fw;
        QVERIFY(fw.load(write(record(0, "a") + "\n" + record(1, "b") + "\n")));
        fw.next();
        fw.clear();
        QVERIFY(fw.isEmpty());
        QCOMPARE(fw.index(), 0);
        QVERIFY(!fw.next());
    }
};

QTEST_GUILESS_MAIN(TestS19FirmwareFile)
#include "tst_s19firmwarefile.moc"
