#include "settings/DbImplementation.h"
#include "settings/DryerDB.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

DryingSettings standardSet(int temperature)
{
    DryingSettings s;
    s.setMainTemperature(temperature);
    s.setWorkMode(WorkMode::Short);
    s.setCalcFormula(CalcFormula::M0MinusMnOverMn);
    s.setSamplesQuantity(3);
    s.setSamplingTime(7);
    s.setDryingTime(QTime(1, 2, 3));
    return s;
}

DryingSettings profileSet(DryingProfile::Type profile)
{
    DryingSettings s = standardSet(120);
    s.setDryingProfile(profile);
    switch (profile) {
    case DryingProfile::Slow: s.setSlowTime(QTime(0, 4, 5)); break;
    case DryingProfile::Step:
        s.setStepTime1(QTime(0, 1, 10));
        s.setStepTime2(QTime(0, 9, 59));
        s.setStepTemperature1(80);
        s.setStepTemperature2(110);
        break;
    case DryingProfile::Fast:
        s.setFastTime(QTime(0, 2, 30));
        s.setFastTemperature(150);
        break;
    default: break;
    }
    return s;
}

int count(const QString& sql)
{
    QSqlQuery q(DryerDB::database());
    if (!q.exec(sql) || !q.next())
        return -1;
    return q.value(0).toInt();
}

bool exec(const QString& sql)
{
    QSqlQuery q(DryerDB::database());
    return q.exec(sql);
}

// A profile row with no PARAMETERS row, so that the next insert of a set of
// that name fails at its profile row.
void plantOrphanProfileRow(const QString& table, const QString& name)
{
    QVERIFY(exec("PRAGMA foreign_keys = OFF"));
    QSqlQuery q(DryerDB::database());
    q.prepare(table == "FAST_PROFILES"
                  ? QStringLiteral("INSERT INTO FAST_PROFILES VALUES (?, 1, 1)")
                  : QStringLiteral("INSERT INTO %1 (SettingID) VALUES (?)").arg(table));
    q.addBindValue(name);
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    QVERIFY(exec("PRAGMA foreign_keys = ON"));
}

} // namespace

class TestDryerDB : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void schemaAsSpecified();
    void roundTripEveryProfile();
    void timesAreWholeSeconds();
    void savingATakenNameChangesNothing();
    void failedProfileRowLeavesNothing();
    void deleteCascadesToProfileRow();
    void namesAreBoundNotSpliced();
    void missingNames();
    void rowsThatDoNotFitTheFormat();
    void namesSortedAndSkipNonText();
    void importRenamesTakenNames();
    void importKeepsGoingAfterAFailure();
    void dbImplementationReadsTheStore();
    void corruptFileIsRefusedAndKept();
    void lockedDatabaseFailsAndKeepsData();

private:
    QTemporaryDir* m_dir = nullptr;
};

void TestDryerDB::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(DryerDB::CreateDBsIfNeeded(m_dir->filePath("nested/data"), 50));
}

void TestDryerDB::cleanup()
{
    DryerDB::close();
    delete m_dir;
    m_dir = nullptr;
}

void TestDryerDB::schemaAsSpecified()
{
    QVERIFY(QFile::exists(m_dir->filePath("nested/data/mainDB.db")));
    const QStringList expected = {
        "CREATE TABLE PARAMETERS (Name             VARCHAR PRIMARY KEY, Temperature      INT, "
        "WorkMode         INT, Formula          INT, SamplesQnt       INT, SamplingTime     INT, "
        "DryingTime       INT, DryingProfile    INT, LastModification DATETIME)",
        "CREATE TABLE SLOW_PROFILES (SettingID VARCHAR PRIMARY KEY,Time      INT,"
        "FOREIGN KEY (SettingID) REFERENCES PARAMETERS(Name) ON DELETE CASCADE)",
        "CREATE TABLE STEP_PROFILES (SettingID    VARCHAR PRIMARY KEY,Temperature1 INT,"
        "Time1        INT,Temperature2 INT,Time2        INT,"
        "FOREIGN KEY (SettingID) REFERENCES PARAMETERS(Name) ON DELETE CASCADE)",
        "CREATE TABLE FAST_PROFILES (SettingID   VARCHAR PRIMARY KEY,Temperature INT NOT NULL,"
        "Time        INT NOT NULL,FOREIGN KEY (SettingID) REFERENCES PARAMETERS(Name) ON DELETE CASCADE)",
    };
    QSqlQuery q(DryerDB::database());
    QVERIFY(q.exec("SELECT sql FROM sqlite_master WHERE type = 'table' ORDER BY rowid"));
    QStringList actual;
    while (q.next())
        actual << q.value(0).toString();
    QCOMPARE(actual, expected);
    QCOMPARE(count("PRAGMA foreign_keys"), 1);

    // Opening an existing file keeps what it holds.
    QVERIFY(DryerDB::saveSetting("kept", standardSet(90)));
    DryerDB::close();
    QVERIFY(DryerDB::CreateDBsIfNeeded(m_dir->filePath("nested/data")));
    QCOMPARE(DryerDB::loadSetting("kept").value(), standardSet(90));
}

void TestDryerDB::roundTripEveryProfile()
{
    // Other Step sets stored first must not leak into the one loaded.
    DryingSettings other = profileSet(DryingProfile::Step);
    other.setStepTemperature2(60);
    QVERIFY(DryerDB::saveSetting("other step", other));

    for (int p = DryingProfile::Standard; p <= DryingProfile::Spec; ++p) {
        const DryingSettings s = profileSet(static_cast<DryingProfile::Type>(p));
        const QString name = DryingProfile::name(p);
        QVERIFY(DryerDB::saveSetting(name, s));
        const std::optional<DryingSettings> loaded = DryerDB::loadSetting(name);
        QVERIFY2(loaded.has_value(), qPrintable(name));
        QCOMPARE(*loaded, s);
    }
    // Only Slow, Step and Fast have a profile row, each in its own table.
    QCOMPARE(count("SELECT COUNT(*) FROM SLOW_PROFILES"), 1);
    QCOMPARE(count("SELECT COUNT(*) FROM STEP_PROFILES"), 2);
    QCOMPARE(count("SELECT COUNT(*) FROM FAST_PROFILES"), 1);
    // Stored numbering: formula index swapped, work mode and profile as the device's.
    QCOMPARE(count("SELECT Formula FROM PARAMETERS WHERE Name = 'Fast'"), 2);
    QCOMPARE(count("SELECT WorkMode FROM PARAMETERS WHERE Name = 'Fast'"), 0);
    QCOMPARE(count("SELECT DryingProfile FROM PARAMETERS WHERE Name = 'Fast'"), 3);
    QCOMPARE(count("SELECT DryingTime FROM PARAMETERS WHERE Name = 'Fast'"), 3723);

    bool ok = false;
    const QList<NamedDryingSettings> all = DryerDB::allSettings(&ok);
    QVERIFY(ok);
    QCOMPARE(all.size(), 6);
    QCOMPARE(all.first().name, QString("other step"));
    QCOMPARE(all.first().settings, other);
}

void TestDryerDB::timesAreWholeSeconds()
{
    DryingSettings s = profileSet(DryingProfile::Step);
    s.setDryingTime(QTime(0, 0, 5, 999));
    s.setStepTime2(QTime(0, 1, 0, 500));
    QVERIFY(DryerDB::saveSetting("ms", s));
    const DryingSettings loaded = DryerDB::loadSetting("ms").value();
    QCOMPARE(loaded.dryingTime(), QTime(0, 0, 5));
    QCOMPARE(loaded.stepTime2(), QTime(0, 1, 0));
}

void TestDryerDB::savingATakenNameChangesNothing()
{
    QVERIFY(DryerDB::saveSetting("A", profileSet(DryingProfile::Slow)));
    QVERIFY(!DryerDB::saveSetting("A", profileSet(DryingProfile::Fast)));
    QCOMPARE(*DryerDB::loadSetting("A"), profileSet(DryingProfile::Slow));
    QCOMPARE(count("SELECT COUNT(*) FROM FAST_PROFILES"), 0);
    bool ran = false;
    QVERIFY(DryerDB::settingExists("A", &ran));
    QVERIFY(ran);
}

void TestDryerDB::failedProfileRowLeavesNothing()
{
    plantOrphanProfileRow("STEP_PROFILES", "orphan");
    QVERIFY(!DryerDB::saveSetting("orphan", profileSet(DryingProfile::Step)));
    // No PARAMETERS row that would block the name yet could not be loaded.
    QVERIFY(!DryerDB::settingExists("orphan"));
    QCOMPARE(count("SELECT COUNT(*) FROM PARAMETERS"), 0);
    // The store goes on working.
    QVERIFY(DryerDB::saveSetting("next", profileSet(DryingProfile::Step)));
}

void TestDryerDB::deleteCascadesToProfileRow()
{
    QVERIFY(DryerDB::saveSetting("slow", profileSet(DryingProfile::Slow)));
    QVERIFY(DryerDB::saveSetting("step", profileSet(DryingProfile::Step)));
    QCOMPARE(count("SELECT COUNT(*) FROM SLOW_PROFILES"), 1);
    QVERIFY(DryerDB::removeSetting("slow"));
    QVERIFY(!DryerDB::settingExists("slow"));
    QCOMPARE(count("SELECT COUNT(*) FROM SLOW_PROFILES"), 0);
    QCOMPARE(count("SELECT COUNT(*) FROM STEP_PROFILES"), 1);
    // The slow set's name can be used again, with another profile.
    QVERIFY(DryerDB::saveSetting("slow", profileSet(DryingProfile::Fast)));
}

void TestDryerDB::namesAreBoundNotSpliced()
{
    const QString tricky = "O'Brien \"x\"; DELETE FROM PARAMETERS; --";
    QVERIFY(DryerDB::saveSetting("plain", standardSet(50)));
    QVERIFY(DryerDB::saveSetting(tricky, profileSet(DryingProfile::Fast)));
    QVERIFY(DryerDB::settingExists(tricky));
    QCOMPARE(*DryerDB::loadSetting(tricky), profileSet(DryingProfile::Fast));
    QVERIFY(DryerDB::removeSetting(tricky));
    QVERIFY(!DryerDB::settingExists(tricky));
    QCOMPARE(DryerDB::settingNames(), QStringList{"plain"});

    // A null name is stored as empty text, never as SQL NULL.
    QVERIFY(DryerDB::saveSetting(QString(), standardSet(60)));
    QCOMPARE(count("SELECT COUNT(*) FROM PARAMETERS WHERE Name IS NULL"), 0);
    QVERIFY(DryerDB::loadSetting("").has_value());
}

void TestDryerDB::missingNames()
{
    QVERIFY(!DryerDB::loadSetting("nothing").has_value());
    bool ran = false;
    QVERIFY(!DryerDB::settingExists("nothing", &ran));
    QVERIFY(ran);
    QVERIFY(DryerDB::removeSetting("nothing"));
}

void TestDryerDB::rowsThatDoNotFitTheFormat()
{
    QVERIFY(DryerDB::saveSetting("good", standardSet(90)));
    QVERIFY(
        exec("INSERT INTO PARAMETERS VALUES ('null samples', 100, 1, 0, NULL, 1, 60, 0, NULL)"));
    QVERIFY(
        exec("INSERT INTO PARAMETERS VALUES ('real temperature', 100.5, 1, 0, 0, 1, 60, 0, NULL)"));
    QVERIFY(exec("INSERT INTO PARAMETERS VALUES ('text time', 100, 1, 0, 0, 1, 'abc', 0, NULL)"));
    QVERIFY(exec("INSERT INTO PARAMETERS VALUES ('huge', 100, 1, 0, 0, 1, 9999999999, 0, NULL)"));
    QVERIFY(
        exec("INSERT INTO PARAMETERS VALUES ('step without row', 100, 1, 0, 0, 1, 60, 2, NULL)"));
    QVERIFY(exec("INSERT INTO PARAMETERS VALUES ('slow bad row', 100, 1, 0, 0, 1, 60, 1, NULL)"));
    QVERIFY(exec("INSERT INTO SLOW_PROFILES VALUES ('slow bad row', NULL)"));

    for (const char* name : {"null samples", "real temperature", "text time", "huge",
                             "step without row", "slow bad row"}) {
        QVERIFY2(!DryerDB::loadSetting(name).has_value(), name);
        QVERIFY(DryerDB::settingExists(name));
    }
    bool ok = false;
    const QList<NamedDryingSettings> all = DryerDB::allSettings(&ok);
    QVERIFY(ok);
    QCOMPARE(all.size(), 1);
    QCOMPARE(all.first().name, QString("good"));
}

void TestDryerDB::namesSortedAndSkipNonText()
{
    for (const char* name : {"b", "a", "c"})
        QVERIFY(DryerDB::saveSetting(name, standardSet(90)));
    // NULL sorts first; it must not hide the names after it.
    QVERIFY(exec("INSERT INTO PARAMETERS (Name, Temperature) VALUES (NULL, 1)"));
    QCOMPARE(DryerDB::settingNames(), (QStringList{"a", "b", "c"}));
}

void TestDryerDB::importRenamesTakenNames()
{
    QVERIFY(DryerDB::saveSetting("A", standardSet(90)));
    QVERIFY(DryerDB::saveSetting("A (1)", standardSet(91)));
    QVERIFY(DryerDB::importSettings({{"A", profileSet(DryingProfile::Fast)}}));
    QCOMPARE(*DryerDB::loadSetting("A (2)"), profileSet(DryingProfile::Fast));

    // Names this import gave count as taken: both sets are kept.
    QVERIFY(DryerDB::importSettings({{"B", standardSet(10)}}));
    QVERIFY(DryerDB::importSettings({{"B", standardSet(20)}, {"B (1)", standardSet(30)}}));
    QCOMPARE(DryerDB::loadSetting("B")->mainTemperature(), 10);
    QCOMPARE(DryerDB::loadSetting("B (1)")->mainTemperature(), 20);
    QCOMPARE(DryerDB::loadSetting("B (1) (1)")->mainTemperature(), 30);

    QVERIFY(DryerDB::importSettings({}));
    QCOMPARE(DryerDB::settingNames().size(), 6);
}

void TestDryerDB::importKeepsGoingAfterAFailure()
{
    plantOrphanProfileRow("FAST_PROFILES", "bad");
    const QList<NamedDryingSettings> list = {{"first", standardSet(1)},
                                             {"bad", profileSet(DryingProfile::Fast)},
                                             {"last", profileSet(DryingProfile::Step)}};
    QVERIFY(!DryerDB::importSettings(list));
    QCOMPARE(DryerDB::settingNames(), (QStringList{"first", "last"}));
    QCOMPARE(*DryerDB::loadSetting("last"), profileSet(DryingProfile::Step));
}

void TestDryerDB::dbImplementationReadsTheStore()
{
    const KD::DbImplementation db;
    const KD::IDbDryer& source = db;
    QVERIFY(source.names().isEmpty());
    QVERIFY(DryerDB::saveSetting("x", profileSet(DryingProfile::Slow)));
    QCOMPARE(source.names(), QStringList{"x"});
    QCOMPARE(*source.setting("x"), profileSet(DryingProfile::Slow));
    QVERIFY(!source.setting("y").has_value());
}

void TestDryerDB::corruptFileIsRefusedAndKept()
{
    DryerDB::close();
    QTemporaryDir dir;
    QFile file(dir.filePath("mainDB.db"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray garbage = QByteArray("this is not a database\n").repeated(200);
    file.write(garbage);
    file.close();

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Settings database:.*"));
    QVERIFY(!DryerDB::CreateDBsIfNeeded(dir.path()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), garbage);
    file.close();
    // Every operation then fails cleanly.
    QVERIFY(!DryerDB::loadSetting("x").has_value());
    QVERIFY(DryerDB::settingNames().isEmpty());
    bool ok = true;
    DryerDB::allSettings(&ok);
    QVERIFY(!ok);
    DryerDB::close();
    QVERIFY(DryerDB::CreateDBsIfNeeded(m_dir->filePath("nested/data"), 50)); // for cleanup
}

void TestDryerDB::lockedDatabaseFailsAndKeepsData()
{
    QVERIFY(DryerDB::saveSetting("stored", profileSet(DryingProfile::Step)));
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "otherProgram");
        other.setDatabaseName(m_dir->filePath("nested/data/mainDB.db"));
        QVERIFY(other.open());
        QSqlQuery lock(other);
        QVERIFY(lock.exec("BEGIN EXCLUSIVE"));

        QVERIFY(!DryerDB::saveSetting("new", standardSet(1)));
        QVERIFY(!DryerDB::importSettings({{"new", standardSet(1)}}));
        QVERIFY(!DryerDB::loadSetting("stored").has_value());
        bool ok = true;
        DryerDB::allSettings(&ok);
        QVERIFY(!ok);

        QVERIFY(lock.exec("ROLLBACK"));
        other.close();
    }
    QSqlDatabase::removeDatabase("otherProgram");
    QCOMPARE(*DryerDB::loadSetting("stored"), profileSet(DryingProfile::Step));
    QVERIFY(!DryerDB::settingExists("new"));
    QVERIFY(DryerDB::saveSetting("new", standardSet(1)));
}

QTEST_MAIN(TestDryerDB)
#include "tst_dryerdb.moc"
