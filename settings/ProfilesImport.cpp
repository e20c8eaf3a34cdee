#include "settings/ProfilesImport.h"

#include "settings/EnumNameTypeParser.h"
#include "settings/IntTypeParser.h"
#include "settings/ProfileFields.h"
#include "settings/QTimeTypeParser.h"

#include <map>
#include <memory>

int ProfilesImport::readProfilesJson()
{
    m_parsed.clear();
    m_failed.clear();
    if (!m_root)
        return NoRoot;
    const auto settingsIt = m_root->constFind(QLatin1String("Settings"));
    if (settingsIt == m_root->constEnd())
        return NoSettingsMember;
    if (!settingsIt->isObject())
        return SettingsNotAnObject;

    // QJsonObject keeps its members sorted by name.
    const QJsonObject settings = settingsIt->toObject();
    for (auto it = settings.constBegin(); it != settings.constEnd(); ++it) {
        if (!it.value().isObject()) {
            m_failed.append({it.key(), NotAnObject});
            continue;
        }
        DryingSettings set;
        if (readSettingsJson(it.value().toObject(), set))
            m_parsed.append({it.key(), set});
        else
            m_failed.append({it.key(), NotParsed});
    }
    if (m_failed.isEmpty())
        return AllParsed;
    return m_parsed.isEmpty() ? NoneParsed : SomeFailed;
}

bool ProfilesImport::readSettingsJson(const QJsonObject& object, DryingSettings& out)
{
    DryingProfile::Type profile =
        DryingProfile::fromName(object.value(QLatin1String("DryingProfile")).toString());

    // The parsers write into these fields of a working set.
    const DryingSettings defaults;
    WorkMode::Type workMode = defaults.workMode();
    CalcFormula::Type calcFormula = defaults.calcFormula();
    DryingProfile::Type dryingProfile = defaults.dryingProfile();
    int mainTemperature = defaults.mainTemperature();
    int samplesQuantity = defaults.samplesQuantity();
    int samplingTime = defaults.samplingTime();
    QTime dryingTime = defaults.dryingTime();
    // One place per value of the profile's own.
    const QVector<ProfileFields::Field>& own = ProfileFields::of(profile).fields;
    std::vector<QTime> times(own.size());
    std::vector<int> numbers(own.size());

    using Common::Json::IntTypeParser;
    using KD::Json::QTimeTypeParser;
    std::map<QString, std::unique_ptr<Common::Json::IParsable>> parsers;
    parsers[QStringLiteral("WorkMode")].reset(new KD::Json::WorkModeTypeParser(&workMode));
    parsers[QStringLiteral("CalcFormula")].reset(new KD::Json::CalcFormulaTypeParser(&calcFormula));
    parsers[QStringLiteral("DryingProfile")].reset(
        new KD::Json::DryingProfileTypeParser(&dryingProfile));
    parsers[QStringLiteral("MainTemperature")].reset(new IntTypeParser(&mainTemperature));
    parsers[QStringLiteral("SamplesQunatity")].reset(new IntTypeParser(&samplesQuantity));
    parsers[QStringLiteral("SamplingTime")].reset(new IntTypeParser(&samplingTime));
    parsers[QStringLiteral("DryingTime")].reset(new QTimeTypeParser(&dryingTime));
    // Added after the common members: a Slow set's "DryingTime" is its slow
    // time, and the drying time keeps its default.
    for (int i = 0; i < own.size(); ++i) {
        Common::Json::IParsable* parser = nullptr;
        if (own.at(i).isTime())
            parser = new QTimeTypeParser(&times[i]);
        else
            parser = new IntTypeParser(&numbers[i]);
        parsers[QLatin1String(own.at(i).jsonKey)].reset(parser);
    }

    bool ok = true;
    for (const auto& entry : parsers) {
        const auto member = object.constFind(entry.first);
        if (member == object.constEnd())
            return false;
        ok = entry.second->parse(*member) && ok;
    }
    if (!ok)
        return false;

    DryingSettings set;
    set.setWorkMode(workMode);
    set.setCalcFormula(calcFormula);
    set.setDryingProfile(dryingProfile);
    set.setMainTemperature(mainTemperature);
    set.setSamplesQuantity(samplesQuantity);
    set.setSamplingTime(samplingTime);
    set.setDryingTime(dryingTime);
    for (int i = 0; i < own.size(); ++i) {
        if (own.at(i).isTime())
            (set.*own.at(i).setTime)(times[i]);
        else
            (set.*own.at(i).setNumber)(numbers[i]);
    }
    out = set;
    return true;
}
