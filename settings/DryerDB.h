#pragma once

#include "settings/NamedDryingSettings.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

class QSqlQuery;

// The local SQLite store of named drying parameter sets ("mainDB.db", shared
// connection "mainConnection"). GUI thread only. Names reach SQL only as bound
// values, so any text is a valid name. Storing one set is atomic: a set whose
// profile row cannot be written leaves nothing behind.
class DryerDB
{
public:
    static const char* const connectionName;

    // Opens (creating if needed) the file in the directory and prepares the
    // tables. The busy time-out is how long an operation waits for a lock held
    // by another program before it fails.
    static bool CreateDBsIfNeeded(const QString& directory, int busyTimeoutMs = 5000);
    static void close();
    static QSqlDatabase database();
    static bool enableForeignKeys();
    static bool createTables();

    // Inserts the set and its profile row as one unit; the caller decides on
    // the surrounding transaction.
    static bool insertSetting(QSqlDatabase db, const NamedDryingSettings& named);
    static bool saveSetting(const QString& name, const DryingSettings& settings);
    // The stored set of that name gives way to the new one in one
    // transaction: when the new set cannot be stored, the old one stays.
    static bool replaceSetting(const QString& name, const DryingSettings& settings);
    static bool settingExists(const QString& name, bool* queryOk = nullptr);
    // True also when no row matched; the profile row goes by the cascade.
    static bool removeSetting(const QString& name);
    static std::optional<DryingSettings> loadSetting(const QString& name);
    // Reads the PARAMETERS row the query stands on; nothing when a value does
    // not fit the format or the profile row is missing.
    static std::optional<NamedDryingSettings> readSetting(QSqlDatabase db, const QSqlQuery& query);
    static QStringList settingNames();
    static QList<NamedDryingSettings> allSettings(bool* ok);
    // Stores every set, renaming one whose name is taken to the first free
    // "name (n)"; true only when every set was stored.
    static bool importSettings(const QList<NamedDryingSettings>& list);
};
