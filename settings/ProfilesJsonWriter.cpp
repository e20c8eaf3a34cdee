#include "settings/ProfilesJsonWriter.h"

#include "communication/TimeConversions.h"

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
    switch (s.dryingProfile()) {
    case DryingProfile::Fast:
        pairs.append({QStringLiteral("FastTime"), timeToSeconds(s.fastTime())});
        pairs.append({QStringLiteral("FastTemperature"), s.fastTemperature()});
        break;
    case DryingProfile::Slow:
        pairs.append({QStringLiteral("DryingTime"), timeToSeconds(s.slowTime())});
        break;
    case DryingProfile::Step:
        pairs.append({QStringLiteral("StepTime1"), timeToSeconds(s.stepTime1())});
        pairs.append({QStringLiteral("StepTime2"), timeToSeconds(s.stepTime2())});
        pairs.append({QStringLiteral("StepTemp1"), s.stepTemperature1()});
        pairs.append({QStringLiteral("StepTemp2"), s.stepTemperature2()});
        break;
    default: break;
    }
    return makeJsonObject(pairs);
}
