#include "settings/DryerDB.h"

#include "communication/TimeConversions.h"
#include "settings/ProfileFields.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <limits>

const char* const DryerDB::connectionName = "mainConnection";

namespace {

const char* const createStatements[] = {
    "CREATE TABLE IF NOT EXISTS PARAMETERS (Name             VARCHAR PRIMARY KEY, Temperature      INT, "
    "WorkMode         INT, Formula          INT, SamplesQnt       INT, SamplingTime     INT, "
    "DryingTime       INT, DryingProfile    INT, LastModification DATETIME)",
    "CREATE TABLE IF NOT EXISTS SLOW_PROFILES (SettingID VARCHAR PRIMARY KEY,Time      INT,"
    "FOREIGN KEY (SettingID) REFERENCES PARAMETERS(Name) ON DELETE CASCADE);",
    "CREATE TABLE IF NOT EXISTS STEP_PROFILES (SettingID    VARCHAR PRIMARY KEY,Temperature1 INT,"
    "Time1        INT,Temperature2 INT,Time2        INT,"
    "FOREIGN KEY (SettingID) REFERENCES PARAMETERS(Name) ON DELETE CASCADE);",
    "CREATE TABLE IF NOT EXISTS FAST_PROFILES (SettingID   VARCHAR PRIMARY KEY,Temperature INT NOT NULL,"
    "Time        INT NOT NULL,FOREIGN KEY (SettingID) REFERENCES PARAMETERS(Name) ON DELETE CASCADE);",
};

// A null QString would be bound as SQL NULL; a name is always text.
QVariant boundName(const QString& name)
{
    return name.isNull() ? QVariant(QStringLiteral("")) : QVariant(name);
}

bool run(QSqlQuery& query)
{
    if (query.exec())
        return true;
    qWarning().noquote() << "Settings database:" << query.lastError().text();
    return false;
}

bool run(QSqlQuery& query, const QString& statement)
{
    if (query.exec(statement))
        return true;
    qWarning().noquote() << "Settings database:" << query.lastError().text();
    return false;
}

bool commitOrRollBack(QSqlDatabase& db)
{
    if (db.commit())
        return true;
    qWarning().noquote() << "Settings database:" << db.lastError().text();
    db.rollback();
    return false;
}

// A column of the stored format: an SQLite integer that fits 32 bits.
// NULL, text and real numbers do not count.
struct BadColumn
{ };

int intColumn(const QSqlQuery& query, int column)
{
    const QVariant v = query.value(column);
    if (v.isNull() || v.userType() != QMetaType::LongLong)
        throw BadColumn();
    const qlonglong n = v.toLongLong();
    if (n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<qint32>::max())
        throw BadColumn();
    return static_cast<int>(n);
}

QTime timeColumn(const QSqlQuery& query, int column)
{
    return secondsToTime(intColumn(query, column));
}

bool insertProfileRow(QSqlDatabase db, const NamedDryingSettings& named)
{
    const ProfileFields::Profile& profile = ProfileFields::of(named.settings.dryingProfile());
    if (!profile.table)
        return true;
    QStringList columns = {QStringLiteral("SettingID")};
    for (const ProfileFields::Field& field : profile.fields)
        columns.append(QLatin1String(field.column));
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES(%3)")
                      .arg(QLatin1String(profile.table), columns.join(QLatin1Char(',')),
                           QStringLiteral(",?").repeated(columns.size()).mid(1)));
    query.addBindValue(boundName(named.name));
    for (const ProfileFields::Field& field : profile.fields)
        query.addBindValue(field.stored(named.settings));
    return run(query);
}

// A file whose pages are damaged opens and even creates its tables, then fails
// every later list, load and save; SQLite's quick check finds it before
// anything is written to it.
bool passesQuickCheck(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    return query.exec(QStringLiteral("PRAGMA quick_check")) && query.next()
           && query.value(0).toString() == QLatin1String("ok");
}

} // namespace

bool DryerDB::CreateDBsIfNeeded(const QString& directory, int busyTimeoutMs)
{
    QDir dir(directory);
    if (!dir.exists())
        dir.mkpath(QStringLiteral("."));

    QSqlDatabase db =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(connectionName));
    db.setDatabaseName(dir.filePath(QStringLiteral("mainDB.db")));
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open()) {
        qDebug() << "bool DryerDB::CreateDBsIfNeeded(QString)"
                 << "Cannot open main database file!";
        return false;
    }
    if (!passesQuickCheck(db)) {
        qDebug() << "bool DryerDB::CreateDBsIfNeeded(QString)"
                 << "Main database file is damaged!";
        return false;
    }
    return createTables();
}

void DryerDB::close()
{
    {
        QSqlDatabase db = database();
        db.close();
    }
    QSqlDatabase::removeDatabase(QLatin1String(connectionName));
}

QSqlDatabase DryerDB::database()
{
    return QSqlDatabase::database(QLatin1String(connectionName), false);
}

bool DryerDB::enableForeignKeys()
{
    QSqlQuery query(database());
    return run(query, QStringLiteral("PRAGMA foreign_keys = ON;"));
}

bool DryerDB::createTables()
{
    if (!enableForeignKeys())
        return false;
    QSqlDatabase db = database();
    if (!db.transaction())
        return false;
    // A file that is not a database (or is damaged) fails here; that must not
    // pass for a ready store.
    bool ok = true;
    for (const char* statement : createStatements) {
        QSqlQuery query(db);
        ok = run(query, QLatin1String(statement)) && ok;
    }
    if (!ok) {
        db.rollback();
        return false;
    }
    return commitOrRollBack(db);
}

bool DryerDB::insertSetting(QSqlDatabase db, const NamedDryingSettings& named)
{
    // A savepoint keeps the set whole inside any surrounding transaction: a
    // failed profile row takes its PARAMETERS row with it.
    QSqlQuery savepoint(db);
    if (!run(savepoint, QStringLiteral("SAVEPOINT insertSetting")))
        return false;

    const DryingSettings& s = named.settings;
    QSqlQuery query(db);
    query.prepare(
        "INSERT INTO PARAMETERS (Name, Temperature, WorkMode, Formula, SamplesQnt, SamplingTime, "
        "DryingTime, DryingProfile, LastModification)VALUES (?,?,?,?,?,?,?,?,?)");
    query.addBindValue(boundName(named.name));
    query.addBindValue(s.mainTemperature());
    query.addBindValue(WorkMode::toDeviceValue(s.workMode()));
    query.addBindValue(CalcFormula::toIndex(s.calcFormula()));
    query.addBindValue(s.samplesQuantity());
    query.addBindValue(s.samplingTime());
    query.addBindValue(timeToSeconds(s.dryingTime()));
    query.addBindValue(DryingProfile::toDeviceValue(s.dryingProfile()));
    query.addBindValue(QDateTime::currentDateTime());
    const bool ok = run(query) && insertProfileRow(db, named);
    query.finish();

    if (!ok)
        savepoint.exec(QStringLiteral("ROLLBACK TO insertSetting"));
    savepoint.exec(QStringLiteral("RELEASE insertSetting"));
    return ok;
}

bool DryerDB::saveSetting(const QString& name, const DryingSettings& settings)
{
    QSqlDatabase db = database();
    if (!db.transaction())
        return false;
    const bool inserted = insertSetting(db, {name, settings});
    if (!commitOrRollBack(db))
        return false;
    return inserted;
}

bool DryerDB::replaceSetting(const QString& name, const DryingSettings& settings)
{
    QSqlDatabase db = database();
    if (!db.transaction())
        return false;
    QSqlQuery remove(db);
    remove.prepare("DELETE FROM PARAMETERS WHERE Name = ?");
    remove.addBindValue(boundName(name));
    if (!run(remove) || !insertSetting(db, {name, settings})) {
        remove.finish();
        db.rollback();
        return false;
    }
    remove.finish();
    return commitOrRollBack(db);
}

bool DryerDB::settingExists(const QString& name, bool* queryOk)
{
    QSqlQuery query(database());
    query.prepare("SELECT * FROM PARAMETERS WHERE Name = ?");
    query.addBindValue(boundName(name));
    const bool ran = run(query);
    if (queryOk)
        *queryOk = ran;
    return ran && query.next();
}

bool DryerDB::removeSetting(const QString& name)
{
    QSqlQuery query(database());
    query.prepare("DELETE FROM PARAMETERS WHERE Name = ?");
    query.addBindValue(boundName(name));
    return run(query);
}

std::optional<DryingSettings> DryerDB::loadSetting(const QString& name)
{
    QSqlDatabase db = database();
    QSqlQuery query(db);
    query.prepare("SELECT * FROM PARAMETERS WHERE Name = ?");
    query.addBindValue(boundName(name));
    if (!run(query) || !query.next())
        return std::nullopt;
    const std::optional<NamedDryingSettings> named = readSetting(db, query);
    if (!named)
        return std::nullopt;
    return named->settings;
}

std::optional<NamedDryingSettings> DryerDB::readSetting(QSqlDatabase db, const QSqlQuery& query)
{
    try {
        NamedDryingSettings named;
        named.name = query.value(0).toString();
        DryingSettings& s = named.settings;
        s.setMainTemperature(intColumn(query, 1));
        s.setWorkMode(WorkMode::fromDeviceValue(intColumn(query, 2)));
        s.setCalcFormula(CalcFormula::fromIndex(intColumn(query, 3)));
        s.setSamplesQuantity(intColumn(query, 4));
        s.setSamplingTime(intColumn(query, 5));
        s.setDryingTime(timeColumn(query, 6));
        s.setDryingProfile(DryingProfile::fromDeviceValue(intColumn(query, 7)));

        const ProfileFields::Profile& own = ProfileFields::of(s.dryingProfile());
        if (!own.table)
            return named;

        QStringList columns;
        for (const ProfileFields::Field& field : own.fields)
            columns.append(QLatin1String(field.column));
        QSqlQuery profile(db);
        profile.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE SettingID = ?")
                            .arg(columns.join(QLatin1Char(',')), QLatin1String(own.table)));
        profile.addBindValue(boundName(named.name));
        if (!run(profile) || !profile.next())
            return std::nullopt;
        for (int i = 0; i < own.fields.size(); ++i)
            own.fields.at(i).setStored(s, intColumn(profile, i));
        return named;
    } catch (const BadColumn&) {
        return std::nullopt;
    }
}

QStringList DryerDB::settingNames()
{
    QStringList names;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!run(query, QStringLiteral("SELECT Name FROM PARAMETERS ORDER BY Name ASC")))
        return names;
    // A row without a text name (only another program can write one) is
    // skipped; it must not hide the names sorted after it.
    while (query.next()) {
        const QVariant v = query.value(0);
        if (!v.isNull() && v.userType() == QMetaType::QString)
            names.append(v.toString());
    }
    return names;
}

QList<NamedDryingSettings> DryerDB::allSettings(bool* ok)
{
    QList<NamedDryingSettings> list;
    QSqlDatabase db = database();
    if (!db.transaction()) {
        *ok = false;
        return list;
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (run(query, QStringLiteral("SELECT * FROM PARAMETERS"))) {
        while (query.next()) {
            if (std::optional<NamedDryingSettings> named = readSetting(db, query))
                list.append(std::move(*named));
        }
    }
    const bool queryRan = query.isActive();
    query.finish();
    if (!commitOrRollBack(db) || !queryRan) {
        *ok = false;
        return {};
    }
    *ok = true;
    return list;
}

bool DryerDB::importSettings(const QList<NamedDryingSettings>& list)
{
    QSqlDatabase db = database();
    if (!db.transaction())
        return false;

    // Names given by this import count as taken too, so {A, A (1)} imported
    // while A is stored keeps both sets.
    const QStringList stored = settingNames();
    QSet<QString> taken(stored.cbegin(), stored.cend());
    bool allStored = true;
    for (const NamedDryingSettings& element : list) {
        QString candidate = element.name;
        for (int n = 1; taken.contains(candidate); ++n)
            candidate = QStringLiteral("%1 (%2)").arg(element.name).arg(n);
        if (insertSetting(db, {candidate, element.settings}))
            taken.insert(candidate);
        else
            allStored = false;
    }
    if (!commitOrRollBack(db))
        return false;
    return allStored;
}
