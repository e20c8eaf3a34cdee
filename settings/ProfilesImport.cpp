#include "settings/ProfilesImport.h"

#include "settings/EnumNameTypeParser.h"
#include "settings/IntTypeParser.h"
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
    QTime time1 = defaults.stepTime1();
    QTime time2 = defaults.stepTime2();
    int temperature1 = defaults.stepTemperature1();
    int temperature2 = defaults.stepTemperature2();

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
    switch (profile) {
    case DryingProfile::Step:
        parsers[QStringLiteral("StepTime1")].reset(new QTimeTypeParser(&time1));
        parsers[QStringLiteral("StepTime2")].reset(new QTimeTypeParser(&time2));
        parsers[QStringLiteral("StepTemp1")].reset(new IntTypeParser(&temperature1));
        parsers[QStringLiteral("StepTemp2")].reset(new IntTypeParser(&temperature2));
        break;
    case DryingProfile::Fast:
        // The fast profile's temperature shares slot 2 with the second step time.
        parsers[QStringLiteral("FastTime")].reset(new QTimeTypeParser(&time1));
        parsers[QStringLiteral("FastTemperature")].reset(new IntTypeParser(&temperature1));
        break;
    case DryingProfile::Slow:
        // A Slow set's "DryingTime" is its slow time; the drying time keeps its default.
        parsers[QStringLiteral("DryingTime")].reset(new QTimeTypeParser(&time1));
        break;
    default: break;
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
    switch (profile) {
    case DryingProfile::Step:
        set.setStepTime1(time1);
        set.setStepTime2(time2);
        set.setStepTemperature1(temperature1);
        set.setStepTemperature2(temperature2);
        break;
    case DryingProfile::Fast:
        set.setFastTime(time1);
        set.setFastTemperature(temperature1);
        break;
    case DryingProfile::Slow: set.setSlowTime(time1); break;
    default: break;
    }
    out = set;
    return true;
}
