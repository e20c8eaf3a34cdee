#include "drying/CSVErrorHandlerDescriptor.h"
#include "drying/CSVLoader.h"
#include "drying/CSVRWErrorHandler.h"
#include "drying/CSVSaver2.h"
#include "drying/CsvText.h"
#include "drying/ICSVLineHandler.h"
#include "drying/ICsvMetaDataHandler.h"
#include "drying/ILineIterator.h"
#include "drying/ILoaderCreator.h"
#include "drying/ISaverCreator.h"
#include "drying/TimeHandler.h"
#include "drying/csvLoadDriver.h"
#include "drying/csvSaveDriver.h"
#include "ui/IFilePathGetter.h"
#include "ui/ReadFileWrapper.h"
#include "ui/WriteFileWrapper.h"

#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/FileContents.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

using namespace Common;
using namespace Common::CSV;

namespace {

class FixedPath : public IFilePathGetter
{
public:
    explicit FixedPath(const QString& path) : m_path(path) { }
    QString getPath() override { return m_path; }

private:
    QString m_path;
};

class Rows : public ILineIterator
{
public:
    explicit Rows(const QList<QStringList>& rows) : m_rows(rows) { }
    QStringList next() override { return m_rows.isEmpty() ? QStringList() : m_rows.takeFirst(); }
    bool hasNext() const override { return !m_rows.isEmpty(); }

private:
    QList<QStringList> m_rows;
};

// Keeps every row; refuses the row whose first field is "bad".
class RowSink : public ICSVLineHandler
{
public:
    bool handle(const QStringList& fields) override
    {
        if (fields.value(0) == QLatin1String("bad"))
            return false;
        rows.append(fields);
        return true;
    }
    QString errorText() const override { return QStringLiteral("refused"); }
    QList<QStringList> rows;
};

class MetaSink : public ICsvMetaDataHandler
{
public:
    void handle(const QMap<QString, QString>& metaData) override { received.append(metaData); }
    bool expectsMetaData() const override { return true; }
    QList<QMap<QString, QString>> received;
};

// A device that takes only a few bytes, then fails like a full disk.
class FullDevice : public QIODevice
{
public:
    explicit FullDevice(qint64 room) : m_room(room) { }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 len) override
    {
        if (len > m_room)
            return -1;
        m_room -= len;
        return len;
    }

private:
    qint64 m_room;
};

class FullDiskWrapper : public IFileWrapper
{
public:
    explicit FullDiskWrapper(qint64 room) : m_device(room) { }
    bool open(const QString&) override { return m_device.open(QIODevice::WriteOnly); }
    bool close() override
    {
        m_device.close();
        return true;
    }
    QIODevice* device() override { return &m_device; }

private:
    FullDevice m_device;
};

class SaverFor : public ISaverCreator
{
public:
    explicit SaverFor(const QString& path) : m_path(path) { }
    std::shared_ptr<CSVSaver2> create(const QString&) override
    {
        return std::make_shared<CSVSaver2>(std::make_shared<WriteFileWrapper>(),
                                           std::make_shared<FixedPath>(m_path));
    }

private:
    QString m_path;
};

class LoaderFor : public ILoaderCreator
{
public:
    explicit LoaderFor(const QString& path) : m_path(path) { }
    std::shared_ptr<CSVLoader> create(ICSVLineHandler* handler, const QString&, bool meta) override
    {
        return std::make_shared<CSVLoader>(std::make_shared<ReadFileWrapper>(),
                                           std::make_shared<FixedPath>(m_path), handler, meta);
    }

private:
    QString m_path;
};

class Pairs : public IMetaDataCreator
{
public:
    explicit Pairs(const MetaDataPairs& pairs) : m_pairs(pairs) { }
    MetaDataPairs create() override { return m_pairs; }

private:
    MetaDataPairs m_pairs;
};

} // namespace

class TestCsvFramework : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void escapingIsExactlyInverted_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("backslash") << "a\\b"
                                   << "a\\\\b";
        QTest::newRow("line break") << "one\ntwo"
                                    << "one\\ntwo";
        QTest::newRow("backslash n stays") << "c:\\new"
                                           << "c:\\\\new";
        QTest::newRow("cr tab") << "a\r\tb"
                                << "a\\r\\tb";
        QTest::newRow("plain, unicode") << "Żółć ; x"
                                        << "Żółć ; x";
    }
    void escapingIsExactlyInverted()
    {
        QFETCH(QString, value);
        QFETCH(QString, escaped);
        QCOMPARE(escapeValue(value), escaped);
        QCOMPARE(unescapeValue(escaped), value);
    }

    void unknownSequencesStay()
    {
        QCOMPARE(unescapeValue("a\\xb"), QString("a\\xb"));
        QCOMPARE(unescapeValue("end\\"), QString("end\\"));
        QCOMPARE(unescapeValue("\\\\n"), QString("\\n"));
    }

    void runTimesPassTwentyFourHours()
    {
        QCOMPARE(formatRunTime(5000), QString("00:00:05"));
        QCOMPARE(formatRunTime(25 * 3600000LL + 61000), QString("25:01:01"));
        QCOMPARE(formatRunTime(100 * 3600000LL), QString("100:00:00"));
        QCOMPARE(formatRunTime(1234 * 3600000LL + 59 * 60000 + 9999), QString("1234:59:09"));
        int ms = -1;
        QVERIFY(parseRunTime("25:01:01", &ms));
        QCOMPARE(ms, 25 * 3600000 + 61000);
        QVERIFY(parseRunTime("100:00:00", &ms));
        QCOMPARE(ms, 360000000);
        for (const char* bad :
             {"1:00:00", "00:60:00", "00:00:5", "00:00:0x", "", "00:00", "999999:00:00"})
            QVERIFY2(!parseRunTime(bad, &ms), bad);
    }

    void timeHandlerRefusesTimeGoingBack()
    {
        TimeHandler handler;
        QVERIFY(handler.handle("00:00:05"));
        QVERIFY(handler.handle("00:00:05"));
        QVERIFY(!handler.handle("00:00:04"));
        QVERIFY(handler.errorText().contains("previous = 00:00:05"));
        QVERIFY(handler.errorText().contains("current = 00:00:04"));
        QCOMPARE(handler.timeMs(), 5000);
        QVERIFY(handler.handle("24:00:01"));
        QCOMPARE(handler.timeMs(), 86401000);
        QVERIFY(!handler.handle("<b>x"));
        QCOMPARE(handler.errorText(), QString("Could not parse time: &lt;b&gt;x"));
    }

    void timeHandlerOtherFormatsAreTimesOfDay()
    {
        TimeHandler handler("mm:ss");
        QVERIFY(handler.handle("01:30"));
        QCOMPARE(handler.timeMs(), 90000);
        QVERIFY(!handler.handle("01:29"));
        QVERIFY(handler.errorText().contains("previous = 01:30"));
    }

    void saveWritesMetadataHeaderAndRows()
    {
        const QString path = m_dir.filePath("full.csv");
        Rows rows({{"00:00:00", "10"}, {"00:00:05", "9.5"}});
        CSVSaver2 saver(std::make_shared<WriteFileWrapper>(), std::make_shared<FixedPath>(path));
        saver.setLineIterator(&rows);
        saver.setMetaData({{"Author", "A\\B\nC"}, {"Title", ""}});
        saver.setHeader({"Time", "Mass"});
        QVERIFY(saver.save());
        QCOMPARE(fileContents(path),
                 QByteArray("Author;\tA\\\\B\\nC\nTitle;\t\n\n\n"
                            "#Time;\tMass;\t\n00:00:00;\t10;\t\n00:00:05;\t9.5;\t\n"));
    }

    void saveWithoutMetadataOrHeader()
    {
        const QString path = m_dir.filePath("bare.csv");
        QVERIFY(writeFileContents(path, QByteArray(200, 'x'))); // an older, longer file
        Rows rows(QList<QStringList>{{"1", "2"}});
        CSVSaver2 saver(std::make_shared<WriteFileWrapper>(), std::make_shared<FixedPath>(path));
        saver.setLineIterator(&rows);
        QVERIFY(saver.save());
        QCOMPARE(fileContents(path), QByteArray("1;\t2;\t\n"));
    }

    void saveFailures()
    {
        Rows rows(QList<QStringList>{{"1"}});
        CSVSaver2 noIterator(std::make_shared<WriteFileWrapper>(),
                             std::make_shared<FixedPath>("x"));
        QVERIFY(!noIterator.save());
        QCOMPARE(noIterator.status(), 1);

        CSVSaver2 cancelled(std::make_shared<WriteFileWrapper>(), std::make_shared<FixedPath>(""));
        cancelled.setLineIterator(&rows);
        QVERIFY(!cancelled.save());
        QCOMPARE(cancelled.status(), 0);

        CSVSaver2 unopenable(std::make_shared<WriteFileWrapper>(),
                             std::make_shared<FixedPath>(m_dir.filePath("no/such/dir.csv")));
        unopenable.setLineIterator(&rows);
        QVERIFY(!unopenable.save());
        QCOMPARE(unopenable.status(), 2);
    }

    // A disk that fills up while the buffered text is flushed is a failure,
    // never a silent success.
    void writeErrorIsReported()
    {
        QList<QStringList> many;
        for (int i = 0; i < 3; ++i)
            many.append({QString::number(i), "10"});
        Rows rows(many);
        CSVSaver2 saver(std::make_shared<FullDiskWrapper>(10), std::make_shared<FixedPath>("disk"));
        saver.setLineIterator(&rows);
        saver.setMetaData({{"Author", "someone"}});
        QVERIFY(!saver.save());
        QCOMPARE(saver.status(), 3);
    }

    void loadReadsMetadataThenRows_data()
    {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR LF") << QByteArray("\r\n");
    }
    void loadReadsMetadataThenRows()
    {
        QFETCH(QByteArray, lineEnd);
        QByteArray text =
            "  Author ;\tA\\\\B\\nC\nTitle;\tT\n\n\n#Time;\tMass;\t\n1;\t2;\t\n\n3;\t4;\t\n";
        text.replace("\n", lineEnd);
        const QString path = m_dir.filePath("in.csv");
        QVERIFY(writeFileContents(path, text));
        RowSink rows;
        CSVLoader loader(std::make_shared<ReadFileWrapper>(), std::make_shared<FixedPath>(path),
                         &rows, true);
        QVERIFY(loader.load());
        QCOMPARE(loader.metaData().value("Author"), QString("A\\B\nC"));
        QCOMPARE(loader.metaData().value("Title"), QString("T"));
        // The first empty line ends the block; the second reaches the handler.
        QCOMPARE(rows.rows, (QList<QStringList>{{}, {"1", "2", ""}, {}, {"3", "4", ""}}));
    }

    void headerFirstFileHasNoMetadata()
    {
        const QString path = m_dir.filePath("header.csv");
        QVERIFY(writeFileContents(path, "#Time;\tMass;\t\n1;\t2;\t\n"));
        RowSink rows;
        CSVLoader loader(std::make_shared<ReadFileWrapper>(), std::make_shared<FixedPath>(path),
                         &rows, true);
        QVERIFY(loader.load());
        QVERIFY(loader.metaData().isEmpty());
        QCOMPARE(rows.rows.size(), 1);
    }

    void refusedRowGivesLineAndReason()
    {
        const QString path = m_dir.filePath("bad.csv");
        QVERIFY(writeFileContents(path, "Author;\tX\n\n#h;\t\n1;\t2;\t\nbad;\t3;\t\n4;\t5;\t\n"));
        RowSink rows;
        const auto file = std::make_shared<ReadFileWrapper>();
        CSVLoader loader(file, std::make_shared<FixedPath>(path), &rows, true);
        QVERIFY(!loader.load());
        QVERIFY(!file->device()->isOpen()); // not held while the loader lives
        const LoadErrorInfo info = loader.errorInfo();
        QCOMPARE(info.code, 3);
        QCOMPARE(info.lineNumber, 5);
        QCOMPARE(info.lineText, QString("bad;\t3;\t"));
        QCOMPARE(info.reason, QString("refused"));
        QCOMPARE(rows.rows.size(), 1); // rows before the refused one stay
    }

    // Files of rows alone would be swallowed whole by the metadata block.
    void filesWithoutContextAndHeaderAreRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        const QString neither = CSVErrorHandlerDescriptor::noContextNorHeader();
        QTest::newRow("rows only")
            << QByteArray("00:00:00;\t10;\t0;\t\n00:00:01;\t9;\t1;\t\n") << 1 << neither;
        QTest::newRow("blank, then rows") << QByteArray("\n00:00:00;\t10;\t0;\t\n") << 2 << neither;
        QTest::newRow("empty") << QByteArray() << 1 << neither;
        QTest::newRow("context, then rows") << QByteArray("Author;\tA\n00:00:00;\t10;\t0;\t\n") << 2
                                            << CSVErrorHandlerDescriptor::dataBeforeHeader();
        // Rows of two fields without the trailing separator parse as pairs.
        QTest::newRow("rows without trailing separator")
            << QByteArray("00:00:00;\t10\n00:00:01;\t9\n") << 2
            << CSVErrorHandlerDescriptor::endsWithoutHeader();
    }
    void filesWithoutContextAndHeaderAreRefused()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QFETCH(QString, reason);
        const QString path = m_dir.filePath("rows.csv");
        QVERIFY(writeFileContents(path, text));
        RowSink rows;
        CSVLoader loader(std::make_shared<ReadFileWrapper>(), std::make_shared<FixedPath>(path),
                         &rows, true);
        QVERIFY(!loader.load());
        QCOMPARE(loader.errorInfo().code, 3);
        QCOMPARE(loader.errorInfo().lineNumber, line);
        QCOMPARE(loader.errorInfo().reason, reason);
        QVERIFY(rows.rows.isEmpty());
        QVERIFY(loader.metaData().isEmpty());
    }

    void withoutMetadataEveryLineIsARow()
    {
        const QString path = m_dir.filePath("plain.csv");
        QVERIFY(writeFileContents(path, "1;\t2;\t\n"));
        RowSink rows;
        CSVLoader loader(std::make_shared<ReadFileWrapper>(), std::make_shared<FixedPath>(path),
                         &rows, false);
        QVERIFY(loader.load());
        QCOMPARE(rows.rows.size(), 1);
    }

    void loadCancelledOrUnopenable()
    {
        RowSink rows;
        CSVLoader cancelled(std::make_shared<ReadFileWrapper>(), std::make_shared<FixedPath>(""),
                            &rows, true);
        QVERIFY(!cancelled.load());
        QCOMPARE(cancelled.errorInfo().code, 0);
        CSVLoader missing(std::make_shared<ReadFileWrapper>(),
                          std::make_shared<FixedPath>(m_dir.filePath("missing.csv")), &rows, true);
        QVERIFY(!missing.load());
        QCOMPARE(missing.errorInfo().code, 2);
        QVERIFY(missing.errorInfo().lineText.isEmpty());
    }

    // The drivers show what went wrong; the file's line is never markup.
    void driversReportThroughBoxes()
    {
        FakeMessageBoxPresenter boxes;
        MessageBoxContext context;
        CSVRWErrorHandler errors(context);
        const QString path = m_dir.filePath("driver.csv");
        QVERIFY(writeFileContents(path, "Author;\tA\n\n#h;\t\nbad;\t<b>x</b>;\t\n"));
        RowSink rows;
        MetaSink meta;
        LoaderFor loaders(path);
        QVERIFY(!csvLoadDriver(&loaders, &rows, &errors, &meta, "DryingResult").run());
        QVERIFY(meta.received.isEmpty());
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.last().textFormat, Qt::RichText);
        QCOMPARE(boxes.last().icon, QMessageBox::Warning);
        QVERIFY(boxes.last().text.contains("(line 4)"));
        QVERIFY(boxes.last().text.contains("<tt>bad;\t&lt;b&gt;x&lt;/b&gt;;\t</tt>"));

        QVERIFY(writeFileContents(path, "Author;\tA\n\n#h;\t\n1;\t2;\t\n"));
        QVERIFY(csvLoadDriver(&loaders, &rows, &errors, &meta, "DryingResult").run());
        QCOMPARE(meta.received.size(), 1);
        QCOMPARE(meta.received.first().value("Author"), QString("A"));

        Rows data(QList<QStringList>{{"1"}});
        Pairs pairs({});
        SaverFor cancelled("");
        QVERIFY(!csvSaveDriver(&cancelled, &errors, &data, &pairs, "DryingResult", {}).run());
        QCOMPARE(boxes.shown().size(), 1); // a cancelled dialog shows nothing
        SaverFor unopenable(m_dir.filePath("no/dir.csv"));
        QVERIFY(!csvSaveDriver(&unopenable, &errors, &data, &pairs, "DryingResult", {}).run());
        QCOMPARE(boxes.last().text, QString("Could not open file!"));
        errors.onSaverError(3);
        QCOMPARE(boxes.last().text, QString("There was an error while writing to file!"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestCsvFramework)
#include "tst_csvframework.moc"
