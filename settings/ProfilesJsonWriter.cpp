#include "settings/ProfilesJsonWriter.h"

#include "communication/TimeConversions.h"
#include "settings/ProfileFields.h"

QJsonObject makeJsonObject(const QVector<QPair<QString, QJsonValue>>& pairs)
{
    QJsonObject object;
    for (const auto& pair : pairs)
        object.insert(pair.first, pair.second);
    return object;
}

QJsonObject ProfilesJsonWriter::writeProfilesJson(const QList<NamedDryingSettings>& list)
{
    QJsonObject settings;
    for (const NamedDryingSettings& named : list)
        settings.insert(named.name, writeSettingsJson(named.settings));
    return QJsonObject{{QStringLiteral("Settings"), settings}};
}

QJsonObject ProfilesJsonWriter::writeSettingsJson(const DryingSettings& s)
{
    QVector<QPair<QString, QJsonValue>> pairs = {
        {QStringLiteral("WorkMode"), WorkMode::name(s.workMode())},
        {QStringLiteral("CalcFormula"), CalcFormula::nameOrUnknown(s.calcFormula())},
        {QStringLiteral("DryingProfile"), DryingProfile::name(s.dryingProfile())},
        {QStringLiteral("MainTemperature"), s.mainTemperature()},
        {QStringLiteral("SamplesQunatity"), s.samplesQuantity()},
        {QStringLiteral("SamplingTime"), s.samplingTime()},
        {QStringLiteral("DryingTime"), timeToSeconds(s.dryingTime())},
    };
    // Appended after the common members: a Slow set's slow time replaces its "DryingTime".
    for (const ProfileFields::Field& field : ProfileFields::of(s.dryingProfile()).fields)
        pairs.append({QLatin1String(field.jsonKey), field.stored(s)});
    return makeJsonObject(pairs);
}
