#include "settings/CouldNotLoadFromDbMessageBox.h"
#include "settings/DryerDB.h"
#include "settings/ProfilesFileExchange.h"

#include "tests/support/FakeFileDialogPresenter.h"
#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/FileContents.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScopedTestSettings.h"
#include "ui/MessageBoxContext.h"
#include "ui/VornFileDialog.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

DryingSettings makeSet(DryingProfile::Type profile, int temperature)
{
    DryingSettings s;
    s.setDryingProfile(profile);
    s.setMainTemperature(temperature);
    s.setSamplingTime(5);
    s.setDryingTime(profile == DryingProfile::Slow ? QTime(0, 0) : QTime(0, 20));
    s.setStepTime1(QTime(0, 2));
    s.setStepTime2(QTime(0, 4));
    s.setStepTemperature1(70);
    s.setStepTemperature2(90);
    if (profile == DryingProfile::Fast)
        s.setFastTemperature(140);
    return s;
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class TestProfilesFileExchange : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roundTripThroughAFile();
    void emptyDatabase();
    void cancelDoesNothing();
    void exportFailures();
    void importRefusals_data();
    void importRefusals();
    void fileOverTheSizeLimitIsRefused();
    void partlyParsedFileListsTheFailures();
    void databaseFailureDuringImport();
    void couldNotLoadMessage();

private:
    QString lastText() const { return m_boxes->last().text; }

    ScopedTestSettings* m_settings = nullptr;
    QTemporaryDir* m_dir = nullptr;
    FakeFileDialogPresenter* m_dialogs = nullptr;
    FakeMessageBoxPresenter* m_boxes = nullptr;
    MessageBoxContext m_context{QStringLiteral("Brenko Sorvana"), nullptr};
};

void TestProfilesFileExchange::init()
{
    m_settings = new ScopedTestSettings;
    m_dir = new QTemporaryDir;
    m_dialogs = new FakeFileDialogPresenter;
    m_boxes = new FakeMessageBoxPresenter;
    QVERIFY(DryerDB::CreateDBsIfNeeded(m_dir->filePath("db"), 50));
}

void TestProfilesFileExchange::cleanup()
{
    DryerDB::close();
    delete m_boxes;
    delete m_dialogs;
    delete m_dir;
    delete m_settings;
}

void TestProfilesFileExchange::roundTripThroughAFile()
{
    for (int p = DryingProfile::Standard; p <= DryingProfile::Spec; ++p)
        QVERIFY(DryerDB::saveSetting(DryingProfile::name(p),
                                     makeSet(static_cast<DryingProfile::Type>(p), 100 + p)));

    ProfilesFileExchange exchange(&m_context);
    const QString path = m_dir->filePath("sets.json");
    m_dialogs->queueAnswer(path);
    QVERIFY(exchange.exportDataToFile());
    QVERIFY(m_boxes->shown().isEmpty());
    QCOMPARE(m_dialogs->last().acceptMode, QFileDialog::AcceptSave);
    QCOMPARE(m_dialogs->last().nameFilters,
             QStringList{VornFileDialog::nameFilter(VornFileDialog::JsonFile)});
    // The folder is remembered under the key "Profiles".
    QCOMPARE(QSettings().value("SavedFilePaths/Profiles").toString(), m_dir->path());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.startsWith("{\n    \"Settings\": {\n"));
    QVERIFY(!text.contains('\r'));
    file.close();

    // Importing into a store that holds the same names adds them as "name (1)".
    m_dialogs->queueAnswer(path);
    QVERIFY(exchange.importDataFromFile());
    QVERIFY(m_boxes->shown().isEmpty());
    QCOMPARE(m_dialogs->last().acceptMode, QFileDialog::AcceptOpen);
    QCOMPARE(DryerDB::settingNames().size(), 10);
    for (int p = DryingProfile::Standard; p <= DryingProfile::Spec; ++p) {
        const QString name = DryingProfile::name(p);
        QCOMPARE(DryerDB::loadSetting(name + " (1)").value(), DryerDB::loadSetting(name).value());
    }
}

void TestProfilesFileExchange::emptyDatabase()
{
    ProfilesFileExchange exchange(&m_context);
    const QString path = m_dir->filePath("empty.json");
    m_dialogs->queueAnswer(path);
    QVERIFY(exchange.exportDataToFile());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QJsonDocument::fromJson(file.readAll()).object(),
             QJsonObject({{"Settings", QJsonObject()}}));

    m_dialogs->queueAnswer(path);
    QVERIFY(exchange.importDataFromFile()); // the table is refreshed
    QVERIFY(m_boxes->shown().isEmpty());
    QVERIFY(DryerDB::settingNames().isEmpty());
}

void TestProfilesFileExchange::cancelDoesNothing()
{
    QVERIFY(DryerDB::saveSetting("a", makeSet(DryingProfile::Fast, 100)));
    ProfilesFileExchange exchange(&m_context);
    m_dialogs->queueAnswer(QString());
    QVERIFY(!exchange.exportDataToFile());
    m_dialogs->queueAnswer(QString());
    QVERIFY(!exchange.importDataFromFile());
    QVERIFY(m_boxes->shown().isEmpty());
    QCOMPARE(m_dialogs->shown().size(), 2);
}

void TestProfilesFileExchange::exportFailures()
{
    ProfilesFileExchange exchange(&m_context);
    m_dialogs->queueAnswer(m_dir->filePath("no/such/folder/sets.json"));
    QVERIFY(!exchange.exportDataToFile());
    QCOMPARE(lastText(), QString("Error while saving profiles file!"));
    QCOMPARE(m_boxes->last().icon, QMessageBox::Warning);

    // A file that cannot be replaced is kept as it was (root ignores the folder's mode).
    const QString kept = m_dir->filePath("kept.json");
    writeFile(kept, "old content");
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool enforced = !QFileInfo(m_dir->path()).isWritable();
    m_dialogs->queueAnswer(kept);
    const bool written = exchange.exportDataToFile();
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (enforced) {
        QVERIFY(!written);
        QFile file(kept);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old content"));
    }

    // A disk that fills up: an older file stays byte for byte, a new name
    // gets no file, and the user is told.
    for (int i = 0; i < 30; ++i)
        QVERIFY(DryerDB::saveSetting(QString("set %1").arg(i), makeSet(DryingProfile::Step, i)));
    const QString out = m_dir->filePath("out");
    QVERIFY(QDir().mkpath(out));
    const QByteArray old = QByteArray("{\"Settings\": {}}\n").repeated(500);
    writeFile(out + "/sets.json", old);
    m_boxes->clear();
    {
        FileSizeLimit fullDisk(4096);
        m_dialogs->queueAnswer(out + "/sets.json");
        QVERIFY(!exchange.exportDataToFile());
        m_dialogs->queueAnswer(out + "/new.json");
        QVERIFY(!exchange.exportDataToFile());
    }
    QCOMPARE(fileContents(out + "/sets.json"), old);
    QCOMPARE(filesIn(out), QStringList("sets.json"));
    QCOMPARE(m_boxes->shown().size(), 2);
    QCOMPARE(lastText(), QString("Error while saving profiles file!"));

    // A database that cannot be read asks for no file at all.
    DryerDB::close();
    m_boxes->clear();
    const int dialogs = m_dialogs->shown().size();
    QVERIFY(!exchange.exportDataToFile());
    QCOMPARE(lastText(), QString("There was an error while reading settings from database!"));
    QCOMPARE(m_dialogs->shown().size(), dialogs);
    QVERIFY(DryerDB::CreateDBsIfNeeded(m_dir->filePath("db"), 50));
}

void TestProfilesFileExchange::importRefusals_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("not json") << QByteArray("{\"Settings\": {") << "Cannot parse json!";
    QTest::newRow("binary") << QByteArray("\x00\x01\xff garbage", 12) << "Cannot parse json!";
    QTest::newRow("root array") << QByteArray("[{\"Settings\": {}}]")
                                << "Could not find settings Json object!";
    QTest::newRow("no Settings") << QByteArray("{\"Profiles\": {}}")
                                 << "Could not find settings Json object!";
    QTest::newRow("Settings array")
        << QByteArray("{\"Settings\": []}") << "Settings Json value is not an object!";
    QTest::newRow("none parsed") << QByteArray(
        "{\"Settings\": {\"a\": 1, \"b\": {\"WorkMode\": \"Time\"}}}")
                                 << "Could not parse any setting!";
}

void TestProfilesFileExchange::importRefusals()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QVERIFY(DryerDB::saveSetting("stored", makeSet(DryingProfile::Step, 100)));
    const QString path = m_dir->filePath("in.json");
    writeFile(path, content);

    ProfilesFileExchange exchange(&m_context);
    m_dialogs->queueAnswer(path);
    QVERIFY(!exchange.importDataFromFile());
    QCOMPARE(m_boxes->shown().size(), 1);
    QCOMPARE(lastText(), message);
    QCOMPARE(DryerDB::settingNames(), QStringList{"stored"});
}

// A file is read no further than the limit: one byte more is refused, even
// when it would parse.
void TestProfilesFileExchange::fileOverTheSizeLimitIsRefused()
{
    QVERIFY(DryerDB::saveSetting("stored", makeSet(DryingProfile::Step, 100)));
    ProfilesFileExchange exchange(&m_context);
    m_dialogs->queueAnswer(m_dir->filePath("sets.json"));
    QVERIFY(exchange.exportDataToFile());
    QFile file(m_dir->filePath("sets.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    text.append(QByteArray(int(ProfilesFileExchange::kMaxFileSize) - text.size(), ' '));

    const QString path = m_dir->filePath("in.json");
    writeFile(path, text);
    m_dialogs->queueAnswer(path);
    QVERIFY(exchange.importDataFromFile());
    QVERIFY(DryerDB::settingNames().contains("stored (1)"));

    writeFile(path, text + ' ');
    m_dialogs->queueAnswer(path);
    QVERIFY(!exchange.importDataFromFile());
    QCOMPARE(lastText(), QString("Cannot parse json!"));
    QCOMPARE(DryerDB::settingNames().size(), 2);
}

void TestProfilesFileExchange::partlyParsedFileListsTheFailures()
{
    QJsonObject good{
        {"WorkMode", "Time"},     {"CalcFormula", "(m0-mn)/m0"}, {"DryingProfile", "Standard"},
        {"MainTemperature", 105}, {"SamplesQunatity", 0},        {"SamplingTime", 2},
        {"DryingTime", 600}};
    QJsonObject misspelt = good;
    misspelt.remove("SamplesQunatity");
    misspelt.insert("SamplesQuantity", 0);
    QJsonObject notWhole = good;
    notWhole["MainTemperature"] = 99.5;
    const QJsonObject root{{"Settings", QJsonObject{{"good", good},
                                                    {"<b>bold</b>", misspelt},
                                                    {"half", notWhole},
                                                    {"text", "x"}}}};
    const QString path = m_dir->filePath("partly.json");
    writeFile(path, QJsonDocument(root).toJson());

    ProfilesFileExchange exchange(&m_context);
    m_dialogs->queueAnswer(path);
    QVERIFY(exchange.importDataFromFile());
    QCOMPARE(m_boxes->shown().size(), 1);
    QCOMPARE(lastText(),
             QString("Not all settings were parsed!<br><br>Settings that could not be parsed:<ul>"
                     "<li><tt>&lt;b&gt;bold&lt;/b&gt;</tt></li><li><tt>half</tt></li>"
                     "<li><tt>text</tt></li></ul>"));
    QCOMPARE(DryerDB::settingNames(), QStringList{"good"});
    QCOMPARE(DryerDB::loadSetting("good")->dryingTime(), QTime(0, 10));
}

void TestProfilesFileExchange::databaseFailureDuringImport()
{
    const QString path = m_dir->filePath("one.json");
    writeFile(
        path,
        R"J({"Settings": {"x": {"WorkMode": "Short", "CalcFormula": "(mn/m0)", "DryingProfile": "Fast",
        "MainTemperature": 100, "SamplesQunatity": 2, "SamplingTime": 3, "DryingTime": 60,
        "FastTime": 30, "FastTemperature": 120}}})J");

    QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "locker");
    other.setDatabaseName(m_dir->filePath("db/mainDB.db"));
    QVERIFY(other.open());
    {
        QSqlQuery lock(other);
        QVERIFY(lock.exec("BEGIN EXCLUSIVE"));
        ProfilesFileExchange exchange(&m_context);
        m_dialogs->queueAnswer(path);
        QVERIFY(exchange.importDataFromFile());
        QCOMPARE(lastText(), QString("Failed to update db!"));
        QVERIFY(lock.exec("ROLLBACK"));
    }
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase("locker");
    QVERIFY(DryerDB::settingNames().isEmpty());

    ProfilesFileExchange exchange(&m_context);
    m_dialogs->queueAnswer(path);
    QVERIFY(exchange.importDataFromFile());
    QCOMPARE(DryerDB::loadSetting("x")->fastTime(), QTime(0, 0, 30));
}

void TestProfilesFileExchange::couldNotLoadMessage()
{
    KD::CouldNotLoadFromDbMessageBox box(&m_context);
    static_cast<KD::ICouldNotLoadFromDbMessageBox&>(box).show();
    QCOMPARE(lastText(), QString("Could not load setting from database!"));
    QCOMPARE(m_boxes->last().title, QString("Brenko Sorvana"));
    QCOMPARE(m_boxes->last().icon, QMessageBox::Warning);
}

QTEST_MAIN(TestProfilesFileExchange)
#include "tst_profilesfileexchange.moc"
