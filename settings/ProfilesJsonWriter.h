#pragma once

#include "settings/NamedDryingSettings.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QVector>

// Inserts the pairs in order; a later pair with the same key replaces the earlier.
QJsonObject makeJsonObject(const QVector<QPair<QString, QJsonValue>>& pairs);

// Writes parameter sets in the exchange file's format: {"Settings": {name: set, ...}}.
class ProfilesJsonWriter
{
public:
    static QJsonObject writeProfilesJson(const QList<NamedDryingSettings>& list);
    // A Slow set carries its slow time as "DryingTime"; its drying time is not written.
    static QJsonObject writeSettingsJson(const DryingSettings& settings);
};
