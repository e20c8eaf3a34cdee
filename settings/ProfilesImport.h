#pragma once

#include "settings/NamedDryingSettings.h"

#include <QJsonObject>
#include <QList>
#include <QPair>

// Reads the parameter sets of an exchange file's root object. A set that
// does not parse never stops the others; it is listed with its reason.
class ProfilesImport
{
public:
    enum Result {
        AllParsed = 0,
        NoSettingsMember = 1,
        SettingsNotAnObject = 2,
        SomeFailed = 3,
        NoneParsed = 4,
        NoRoot = 5,
    };
    enum FailReason { NotAnObject = 0, NotParsed = 1 };

    // The root is not owned and must outlive readProfilesJson.
    void setRoot(const QJsonObject* root) { m_root = root; }
    int readProfilesJson();
    // Writes out only on success.
    static bool readSettingsJson(const QJsonObject& object, DryingSettings& out);

    QList<NamedDryingSettings> parsed() const { return m_parsed; }
    QList<QPair<QString, int>> failed() const { return m_failed; }

private:
    const QJsonObject* m_root = nullptr;
    QList<NamedDryingSettings> m_parsed;
    QList<QPair<QString, int>> m_failed;
};
