#include "drying/CSVLoader.h"
#include "drying/LineIterator.h"
#include "tests/support/DryingRunFixture.h"
#include "tests/support/FakeFileDialogPresenter.h"
#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/FileContents.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/FixedPathCsvFiles.h"
#include "tests/support/ScopedTestSettings.h"
#include "tests/support/ThreadReadCounter.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using KD::Drying::UserData;

namespace {

const QDateTime start(QDate(2026, 12, 7), QTime(8, 0, 0));

UserData someUserData()
{
    UserData data;
    data.author = "A\\B";
    data.product = "Oats;\tbag";
    data.title = "Line1\nLine2";
    data.introduction = "Tab\there";
    data.summary = "CR\rx";
    data.header = "H";
    data.date = QDate(2026, 12, 7);
    data.time = QTime(9, 30, 15);
    return data;
}

// The run file of someUserData() and a formula-2 run, written by hand.
const QByteArray golden = "Author;\tA\\\\B\n"
                          "Product;\tOats;\\tbag\n"
                          "Title;\tLine1\\nLine2\n"
                          "Introduction;\tTab\\there\n"
                          "Summary;\tCR\\rx\n"
                          "Header;\tH\n"
                          "Footer;\t\n"
                          "Time;\t09:30:15\n"
                          "Date;\t07-12-2026\n"
                          "SamplesCount;\t3\n"
                          "Formula;\t(mn/m0)\n"
                          "StartTime;\t08:00:00 07-12-2026\n"
                          "EndTime;\t08:00:10 07-12-2026\n"
                          "\n\n"
                          "#Time [HH:mm:ss];\tMass [g];\tValue [%];\t\n"
                          "00:00:00;\t10;\t100;\t\n"
                          "00:00:05;\t9.5;\t95;\t\n"
                          "00:00:10;\t9.25;\t92.5;\t\n";

} // namespace

class TestRunCsv : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_f.reset(new DryingRunFixture);
        m_f->context.setUserData(someUserData());
        m_boxes.clear();
    }

    void goldenRoundTrip()
    {
        DryingRunFixture& f = *m_f;
        f.run.setCalcFormula(2);
        f.info.setStartTime(start);
        f.addRecords({{0, 10.0}, {5000, 9.5}, {10000, 9.25}});
        const QString path = m_dir.filePath("run.csv");
        m_dialogs.queueAnswer(path);
        QVERIFY(f.exporter.save());
        QCOMPARE(fileContents(path), golden);

        // Another run and context in between: the file brings everything back.
        f.run.clear();
        f.run.setCalcFormula(0);
        f.context.setUserData(UserData());
        f.info.setStartTime(start.addDays(-3));
        m_dialogs.queueAnswer(path);
        QVERIFY(f.importer.load());
        QCOMPARE(f.formula.formula, 2);
        QCOMPARE(f.run.samplesCount(), 3);
        QCOMPARE(f.run.timeAt(1), 5000);
        QCOMPARE(f.run.timeAt(2), 10000);
        QCOMPARE(f.run.massAt(2), 9.25);
        QCOMPARE(f.run.humidityAt(2), 92.5);
        QVERIFY(f.context.userData() == someUserData());
        QCOMPARE(f.info.info().start, start);
        QCOMPARE(f.info.info().end, start.addSecs(10));
        QVERIFY(f.plot.replots > 0);
        QVERIFY(m_boxes.shown().isEmpty());
    }

    // A run long enough to be written in several pieces: every line is the
    // record's time, mass and humidity as the format gives them.
    void longRunIsWrittenLineForLine()
    {
        DryingRunFixture& f = *m_f;
        QRandomGenerator random(7);
        QList<QPair<int, double>> records;
        int time = 0;
        for (int i = 0; i < 6000; ++i) {
            time += int(random.bounded(200000000 / 6000)); // some 28 hours in all
            // Masses as a balance gives them, rising now and then: negative humidity too.
            records.append(
                {time, double(random.bounded(1, 2000000)) / std::pow(10.0, random.bounded(2, 7))});
        }
        f.addRecords(records);
        const QString path = m_dir.filePath("long.csv");
        m_dialogs.queueAnswer(path);
        QVERIFY(f.exporter.save());

        const QList<QByteArray> lines = fileContents(path).split('\n');
        const int first = lines.indexOf("#Time [HH:mm:ss];\tMass [g];\tValue [%];\t") + 1;
        QVERIFY(first > 0);
        QCOMPARE(lines.size() - first,
                 f.run.samplesCount() + 1); // and the empty text after the last line end
        for (int row = 0; row < f.run.samplesCount(); ++row) {
            const int seconds = f.run.timeAt(row) / 1000;
            const QString expected = QString("%1:%2:%3;\t%4;\t%5;\t")
                                         .arg(seconds / 3600, 2, 10, QChar('0'))
                                         .arg(seconds / 60 % 60, 2, 10, QChar('0'))
                                         .arg(seconds % 60, 2, 10, QChar('0'))
                                         .arg(QString::number(f.run.massAt(row), 'g', 6),
                                              QString::number(f.run.humidityAt(row), 'g', 6));
            QCOMPARE(QString::fromUtf8(lines.at(first + row)), expected);
        }
        QVERIFY(lines.last().isEmpty());

        // Rows a caller keeps stay as they were when the next ones are made.
        KD::Drying::CSV::LineIterator rows(&f.run);
        const QStringList firstRow = rows.next();
        const QStringList secondRow = rows.next();
        QCOMPARE(firstRow, QString::fromUtf8(lines.at(first)).split(";\t").mid(0, 3));
        QCOMPARE(secondRow, QString::fromUtf8(lines.at(first + 1)).split(";\t").mid(0, 3));
    }

    // A disk that fills up during a save: an older file of that name stays
    // byte for byte, a new name gets no file, and the user is told.
    void fullDiskKeepsTheOldFile()
    {
        DryingRunFixture& f = *m_f;
        QList<QPair<int, double>> records;
        for (int i = 0; i < 300; ++i) // some 8 KiB: it fails only as the save ends
            records.append({i * 1000, 50.0 - i * 0.01});
        f.addRecords(records);
        QTemporaryDir dir;
        const QString path = dir.filePath("run.csv");
        const QByteArray old = golden.repeated(20);
        QVERIFY(writeFileContents(path, old));
        {
            FileSizeLimit fullDisk(4096);
            m_dialogs.queueAnswer(path);
            QVERIFY(!f.exporter.save());
            m_dialogs.queueAnswer(dir.filePath("new.csv"));
            QVERIFY(!f.exporter.save());
        }
        QCOMPARE(fileContents(path), old);
        QCOMPARE(filesIn(dir.path()), QStringList("run.csv"));
        QCOMPARE(m_boxes.shown().size(), 2);
        for (const MessageBoxRequest& box : m_boxes.shown())
            QCOMPARE(box.text, QString("There was an error while writing to file!"));
    }

    void crLfFileLoadsAlike()
    {
        QByteArray text = golden;
        text.replace("\n", "\r\n");
        const QString path = m_dir.filePath("crlf.csv");
        QVERIFY(writeFileContents(path, text));
        m_f->context.setUserData(UserData());
        m_dialogs.queueAnswer(path);
        QVERIFY(m_f->importer.load());
        QCOMPARE(m_f->run.samplesCount(), 3);
        QVERIFY(m_f->context.userData() == someUserData());
    }

    // Windows editors put a byte order mark before the first line.
    void byteOrderMarkIsSkipped()
    {
        const QString path = m_dir.filePath("bom.csv");
        QVERIFY(writeFileContents(path, "\xEF\xBB\xBF" + golden));
        m_f->context.setUserData(UserData());
        m_dialogs.queueAnswer(path);
        QVERIFY(m_f->importer.load());
        QVERIFY(m_f->context.userData() == someUserData());
        QCOMPARE(m_f->run.samplesCount(), 3);
    }

    void runsPastTwentyFourHoursLoadBack()
    {
        DryingRunFixture& f = *m_f;
        f.addRecords({{0, 10.0}, {90000000, 9.0}, {360000000, 8.5}});
        const QString path = m_dir.filePath("long.csv");
        m_dialogs.queueAnswer(path);
        QVERIFY(f.exporter.save());
        const QByteArray text = fileContents(path);
        QVERIFY(text.contains("\n25:00:00;\t9;\t"));
        QVERIFY(text.contains("\n100:00:00;\t8.5;\t"));
        f.run.clear();
        m_dialogs.queueAnswer(path);
        QVERIFY(f.importer.load());
        QCOMPARE(f.run.samplesCount(), 3);
        QCOMPARE(f.run.timeAt(2), 360000000);
    }

    // A refused line keeps what was read before it and applies no metadata.
    void refusedLineStopsTheLoad()
    {
        DryingRunFixture& f = *m_f;
        const QString path = m_dir.filePath("comma.csv");
        QVERIFY(writeFileContents(
            path, "Author;\tSomeone else\n\n\n#Time;\t\n00:00:00;\t10;\t\n00:00:05;\t9,5;\t\n"));
        m_dialogs.queueAnswer(path);
        QVERIFY(!f.importer.load());
        QCOMPARE(f.run.samplesCount(), 1);
        QVERIFY(f.context.userData() == someUserData());
        QVERIFY(!f.info.info().start.isValid());
        QCOMPARE(f.plot.replots, 1);
        QCOMPARE(m_boxes.shown().size(), 1);
        QVERIFY(m_boxes.last().text.contains("(line 6)"));
        QVERIFY(m_boxes.last().text.contains("Could not parse mass: 9,5"));
    }

    // A file no run could have made is refused as soon as that shows, at
    // once whatever its size: the box quotes the line's start, the run stays.
    void filesBeyondAnyRunAreRefusedAndKeepTheRun_data()
    {
        using Common::CSV::CSVLoader;
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        const qint64 mib = 1024 * 1024;
        QTest::newRow("one line of 300 MiB")
            << QByteArray("Author;\t") << 300 * mib << 1
            << QString("The line is longer than %1 characters.").arg(CSVLoader::kMaxLineLength);
        QTest::newRow("1 GiB") << QByteArray("#Time;\t\n") << 1024 * mib << 1
                               << QString("The file is larger than %1 MiB.")
                                      .arg(CSVLoader::kMaxFileSize / mib);
        const QByteArray context = QByteArray("Key;\tvalue\n").repeated(CSVLoader::kMaxContextLines + 1);
        QTest::newRow("long context")
            << context << qint64(context.size()) << CSVLoader::kMaxContextLines + 1
            << QString("The run context has more than %1 lines.").arg(CSVLoader::kMaxContextLines);
    }
    void filesBeyondAnyRunAreRefusedAndKeepTheRun()
    {
        QFETCH(QByteArray, start);
        QFETCH(qint64, size);
        QFETCH(int, line);
        QFETCH(QString, reason);
        DryingRunFixture& f = *m_f;
        f.addRecords({{0, 10.0}, {5000, 9.5}});
        const QString path = m_dir.filePath("huge.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(start), qint64(start.size()));
        QVERIFY(file.resize(size)); // the rest is a hole, read as zeros
        file.close();
        // Without the file dialog, whose own set-up reads fonts and settings,
        // the count is the run file's alone.
        FixedPathCsvFiles files(path);
        KD::Drying::TdCsvImporter importer(&files, f.deps.loaderErrorHandler(), &f.receiver,
                                           &f.contextSetter);
        const ThreadReadCounter counter;
        const bool loaded = importer.load();
        const qint64 read = counter.bytes();
        QVERIFY(file.remove());
        QVERIFY(!loaded);
        // No further than the refused line and the buffers' read-ahead.
        QVERIFY2(read >= 0 && read < 2 * Common::CSV::CSVLoader::kMaxLineLength,
                 qPrintable(QString::number(read)));
        QCOMPARE(f.run.samplesCount(), 2);
        QCOMPARE(f.run.massAt(1), 9.5);
        QVERIFY(f.context.userData() == someUserData());
        QCOMPARE(m_boxes.shown().size(), 1);
        const QString text = m_boxes.last().text;
        QVERIFY(text.contains(QString("(line %1)").arg(line)));
        QVERIFY2(text.endsWith(reason), qPrintable(text));
        QVERIFY(text.size() < 400);
    }

    // The longest line a run file may hold loads whole; one more character
    // is refused.
    void lineAtTheLimitLoads()
    {
        const int limit = Common::CSV::CSVLoader::kMaxLineLength;
        const QByteArray key = "Author;\t";
        const QByteArray rest = "\n\n\n#h;\t\n00:00:00;\t10;\t\n";
        const QString path = m_dir.filePath("long-line.csv");
        QVERIFY(writeFileContents(path, key + QByteArray(limit - key.size(), 'a') + rest));
        m_dialogs.queueAnswer(path);
        QVERIFY(m_f->importer.load());
        QCOMPARE(m_f->context.userData().author.size(), limit - key.size());
        QVERIFY(writeFileContents(path, key + QByteArray(limit - key.size() + 1, 'a') + rest));
        m_dialogs.queueAnswer(path);
        QVERIFY(!m_f->importer.load());
        QVERIFY(m_boxes.last().text.contains("(line 1):<br><tt>Author;\taaa"));
    }

    void unusableMassesAreRefused_data()
    {
        QTest::addColumn<QString>("mass");
        for (const char* mass : {"nan", "inf", "-inf", "", "1e999"})
            QTest::newRow(mass) << mass;
    }
    void unusableMassesAreRefused()
    {
        QFETCH(QString, mass);
        const QString path = m_dir.filePath("mass.csv");
        QVERIFY(writeFileContents(path, "#h;\t\n00:00:00;\t10;\t\n00:00:05;\t" + mass.toUtf8()
                                            + ";\t\n"));
        m_dialogs.queueAnswer(path);
        QVERIFY(!m_f->importer.load());
        QCOMPARE(m_f->run.samplesCount(), 1);
        QVERIFY(m_boxes.last().text.contains("Could not parse mass: " + mass));
    }

    void timeGoingBackIsRefused()
    {
        const QString path = m_dir.filePath("back.csv");
        QVERIFY(writeFileContents(path, "#h;\t\n00:00:05;\t10;\t\n00:00:04;\t9;\t\n"));
        m_dialogs.queueAnswer(path);
        QVERIFY(!m_f->importer.load());
        QVERIFY(m_boxes.last().text.contains("previous = 00:00:05,<br>current = 00:00:04"));
    }

    void missingFormulaMeansFormulaZero()
    {
        m_f->run.setCalcFormula(2);
        const QString path = m_dir.filePath("noformula.csv");
        QVERIFY(
            writeFileContents(path, "Author;\tX\n\n\n#h;\t\n00:00:00;\t10;\t\n00:00:05;\t9;\t\n"));
        m_dialogs.queueAnswer(path);
        QVERIFY(m_f->importer.load());
        QCOMPARE(m_f->formula.formula, 0);
        QCOMPARE(m_f->run.humidityAt(1), 10.0);
        QCOMPARE(m_f->context.userData().author, QString("X"));
        QVERIFY(m_f->context.userData().title.isEmpty());
    }

    // Without metadata the user's context and formula stay as they were.
    void headerOnlyFileKeepsTheContext()
    {
        const QString path = m_dir.filePath("header.csv");
        QVERIFY(writeFileContents(
            path,
            "#Time [HH:mm:ss];\tMass [g];\tValue [%];\t\n00:00:03;\t10;\t0;\t\n00:00:08;\t9;\t10;\t\n"));
        m_dialogs.queueAnswer(path);
        QVERIFY(m_f->importer.load());
        QCOMPARE(m_f->formula.formula, -1);
        QVERIFY(m_f->context.userData() == someUserData());
        QCOMPARE(m_f->run.timeAt(0), 0);
        QCOMPARE(m_f->run.timeAt(1),
                 8000); // the first record starts the run, later ones keep their times
    }

    void fileOfRowsAloneIsRefusedAndWipesNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("rows") << QByteArray("00:00:00;\t10;\t0;\t\n00:00:05;\t9;\t10;\t\n");
        QTest::newRow("time and mass only") << QByteArray("00:00:00;\t10\n00:00:05;\t9\n");
    }
    void fileOfRowsAloneIsRefusedAndWipesNothing()
    {
        QFETCH(QByteArray, text);
        const QString path = m_dir.filePath("rows.csv");
        QVERIFY(writeFileContents(path, text));
        m_dialogs.queueAnswer(path);
        QVERIFY(!m_f->importer.load());
        QCOMPARE(m_f->run.samplesCount(), 0);
        QVERIFY(m_f->context.userData() == someUserData());
        QVERIFY(m_boxes.last().text.contains("header line"));
    }

    void cancelledDialogsDoNothing()
    {
        m_f->addRecords({{0, 10.0}});
        QVERIFY(!m_f->exporter.save());
        QVERIFY(!m_f->importer.load());
        QVERIFY(m_boxes.shown().isEmpty());
        QVERIFY(m_dialogs.last().nameFilters.first().contains("*.csv"));
    }

private:
    QTemporaryDir m_dir;
    ScopedTestSettings m_settings;
    FakeFileDialogPresenter m_dialogs;
    FakeMessageBoxPresenter m_boxes;
    QScopedPointer<DryingRunFixture> m_f;
};

QTEST_MAIN(TestRunCsv)
#include "tst_runcsv.moc"
