#include "settings/ProfilesImport.h"
#include "settings/ProfilesJsonWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

namespace {

DryingSettings makeSet(DryingProfile::Type profile)
{
    DryingSettings s;
    s.setDryingProfile(profile);
    s.setWorkMode(WorkMode::Short);
    s.setCalcFormula(CalcFormula::MnOverM0);
    s.setMainTemperature(130);
    s.setSamplesQuantity(4);
    s.setSamplingTime(12);
    s.setDryingTime(profile == DryingProfile::Slow ? QTime(0, 0) : QTime(0, 5, 0));
    if (profile == DryingProfile::Step) {
        s.setStepTime1(QTime(0, 1, 0));
        s.setStepTime2(QTime(0, 3, 30));
        s.setStepTemperature1(90);
        s.setStepTemperature2(120);
    } else if (profile == DryingProfile::Fast) {
        s.setFastTime(QTime(0, 2, 15));
        s.setFastTemperature(160);
    } else if (profile == DryingProfile::Slow) {
        s.setSlowTime(QTime(0, 2, 0));
    }
    return s;
}

QJsonObject standardObject()
{
    return ProfilesJsonWriter::writeSettingsJson(makeSet(DryingProfile::Standard));
}

QJsonObject root(const QJsonObject& settings) { return QJsonObject{{"Settings", settings}}; }

} // namespace

class TestProfilesJson : public QObject
{
    Q_OBJECT

private slots:
    void writerKeysPerProfile();
    void writerTimes();
    void roundTripThroughText();
    void slowSetCarriesSlowTimeOnly();
    void refusedSets_data();
    void refusedSets();
    void resultCodes();
    void failedListInNameOrder();
};

void TestProfilesJson::writerKeysPerProfile()
{
    const QStringList common = {"CalcFormula",     "DryingProfile", "DryingTime", "MainTemperature",
                                "SamplesQunatity", "SamplingTime",  "WorkMode"};
    QCOMPARE(ProfilesJsonWriter::writeSettingsJson(makeSet(DryingProfile::Standard)).keys(),
             common);
    QCOMPARE(ProfilesJsonWriter::writeSettingsJson(makeSet(DryingProfile::Spec)).keys(), common);
    QCOMPARE(ProfilesJsonWriter::writeSettingsJson(makeSet(DryingProfile::Slow)).keys(), common);
    QStringList fast = QStringList(common) << "FastTemperature"
                                           << "FastTime";
    fast.sort();
    QCOMPARE(ProfilesJsonWriter::writeSettingsJson(makeSet(DryingProfile::Fast)).keys(), fast);
    QStringList step = QStringList(common) << "StepTemp1"
                                           << "StepTemp2"
                                           << "StepTime1"
                                           << "StepTime2";
    step.sort();
    QCOMPARE(ProfilesJsonWriter::writeSettingsJson(makeSet(DryingProfile::Step)).keys(), step);

    const QJsonObject o = ProfilesJsonWriter::writeSettingsJson(makeSet(DryingProfile::Fast));
    QCOMPARE(o["WorkMode"].toString(), QString("Short"));
    QCOMPARE(o["CalcFormula"].toString(), QString("(mn/m0)"));
    QCOMPARE(o["DryingProfile"].toString(), QString("Fast"));
    QCOMPARE(o["FastTime"].toInt(), 135);
    QCOMPARE(o["FastTemperature"].toInt(), 160);

    DryingSettings odd;
    odd.setCalcFormula(CalcFormula::Unknown);
    odd.setWorkMode(WorkMode::Unknown);
    QCOMPARE(ProfilesJsonWriter::writeSettingsJson(odd)["CalcFormula"].toString(),
             QString("Unknown"));
    QCOMPARE(ProfilesJsonWriter::writeSettingsJson(odd)["WorkMode"].toString(), QString("Unknown"));

    const QJsonObject doubled = makeJsonObject({{"a", 1}, {"b", 2}, {"a", 3}});
    QCOMPARE(doubled["a"].toInt(), 3);
    QCOMPARE(doubled.size(), 2);
}

void TestProfilesJson::writerTimes()
{
    DryingSettings s;
    s.setDryingTime(QTime(0, 0, 0, 999));
    QCOMPARE(ProfilesJsonWriter::writeSettingsJson(s)["DryingTime"].toInt(), 0);
    s.setDryingTime(QTime());
    QVERIFY(ProfilesJsonWriter::writeSettingsJson(s)["DryingTime"].isDouble());
    QCOMPARE(ProfilesJsonWriter::writeSettingsJson(s)["DryingTime"].toInt(), 0);
    s.setDryingTime(QTime(2, 0, 1, 500));
    QCOMPARE(ProfilesJsonWriter::writeSettingsJson(s)["DryingTime"].toInt(), 7201);
}

void TestProfilesJson::roundTripThroughText()
{
    QList<NamedDryingSettings> list;
    for (int p = DryingProfile::Standard; p <= DryingProfile::Spec; ++p)
        list.append(
            {DryingProfile::name(p) + " set", makeSet(static_cast<DryingProfile::Type>(p))});
    list.append({"Zażółć \"quoted\"", makeSet(DryingProfile::Step)});

    const QByteArray text =
        QJsonDocument(ProfilesJsonWriter::writeProfilesJson(list)).toJson(QJsonDocument::Indented);
    QVERIFY(text.contains("\n        \"Fast set\": {"));
    const QJsonObject rootObject = QJsonDocument::fromJson(text).object();

    ProfilesImport import;
    import.setRoot(&rootObject);
    QCOMPARE(import.readProfilesJson(), int(ProfilesImport::AllParsed));
    QVERIFY(import.failed().isEmpty());
    QCOMPARE(import.parsed().size(), list.size());
    for (const NamedDryingSettings& read : import.parsed()) {
        const auto it = std::find_if(list.cbegin(), list.cend(), [&](const NamedDryingSettings& n) {
            return n.name == read.name;
        });
        QVERIFY2(it != list.cend(), qPrintable(read.name));
        QCOMPARE(read.settings, it->settings);
    }

    // A name that occurs twice keeps the later set.
    const QJsonObject twice = ProfilesJsonWriter::writeProfilesJson(
        {{"x", makeSet(DryingProfile::Slow)}, {"x", makeSet(DryingProfile::Fast)}});
    QCOMPARE(twice["Settings"].toObject()["x"].toObject()["DryingProfile"].toString(),
             QString("Fast"));
}

void TestProfilesJson::slowSetCarriesSlowTimeOnly()
{
    DryingSettings slow = makeSet(DryingProfile::Slow);
    slow.setDryingTime(QTime(0, 5, 0));
    const QJsonObject o = ProfilesJsonWriter::writeSettingsJson(slow);
    QCOMPARE(o["DryingTime"].toInt(), 120);

    DryingSettings read;
    QVERIFY(ProfilesImport::readSettingsJson(o, read));
    QCOMPARE(read.slowTime(), QTime(0, 2, 0));
    QCOMPARE(read.dryingTime(), QTime(0, 0, 0));
}

void TestProfilesJson::refusedSets_data()
{
    QTest::addColumn<QJsonObject>("object");
    QTest::addColumn<bool>("accepted");

    QJsonObject o = standardObject();
    o.remove("SamplesQunatity");
    o.insert("SamplesQuantity", 2);
    QTest::newRow("key spelled otherwise") << o << false;

    o = standardObject();
    o["DryingProfile"] = "Turbo";
    QTest::newRow("no profile name") << o << false;

    o = standardObject();
    o["DryingProfile"] = 3;
    QTest::newRow("profile as a number") << o << false;

    o = standardObject();
    o["MainTemperature"] = "100";
    QTest::newRow("temperature as text") << o << false;

    o = standardObject();
    o["MainTemperature"] = 99.5;
    QTest::newRow("temperature not whole") << o << false;

    o = standardObject();
    o["SamplingTime"] = QJsonValue::Null;
    QTest::newRow("null sampling time") << o << false;

    o = standardObject();
    o["WorkMode"] = "time";
    QTest::newRow("work mode in lower case") << o << false;

    o = standardObject();
    o["CalcFormula"] = "(m0-mn)/m0 *100%";
    QTest::newRow("formula with suffix") << o << false;

    o = ProfilesJsonWriter::writeSettingsJson(makeSet(DryingProfile::Step));
    o.remove("StepTemp2");
    QTest::newRow("step without second temperature") << o << false;

    o = ProfilesJsonWriter::writeSettingsJson(makeSet(DryingProfile::Fast));
    o["FastTime"] = "2:15";
    QTest::newRow("fast time as text") << o << false;

    o = standardObject();
    o["FastTime"] = "ignored";
    o["Extra"] = QJsonArray{1, 2};
    QTest::newRow("unknown members ignored") << o << true;

    o = standardObject();
    o["DryingTime"] = 90000;
    QTest::newRow("drying time wraps") << o << true;
}

void TestProfilesJson::refusedSets()
{
    QFETCH(QJsonObject, object);
    QFETCH(bool, accepted);

    DryingSettings out;
    out.setMainTemperature(42);
    QCOMPARE(ProfilesImport::readSettingsJson(object, out), accepted);
    if (!accepted) {
        QCOMPARE(out.mainTemperature(), 42); // untouched
        return;
    }
    if (object["DryingTime"].toInt() == 90000)
        QCOMPARE(out.dryingTime(), QTime(1, 0, 0));
    else
        QCOMPARE(out, makeSet(DryingProfile::Standard));
}

void TestProfilesJson::resultCodes()
{
    ProfilesImport import;
    QCOMPARE(import.readProfilesJson(), int(ProfilesImport::NoRoot));

    const QJsonObject noSettings{{"settings", QJsonObject()}};
    import.setRoot(&noSettings);
    QCOMPARE(import.readProfilesJson(), int(ProfilesImport::NoSettingsMember));

    // A document whose root is an array gives an empty object.
    const QJsonObject fromArray = QJsonDocument::fromJson("[1, 2]").object();
    import.setRoot(&fromArray);
    QCOMPARE(import.readProfilesJson(), int(ProfilesImport::NoSettingsMember));

    const QJsonObject arraySettings{{"Settings", QJsonArray{standardObject()}}};
    import.setRoot(&arraySettings);
    QCOMPARE(import.readProfilesJson(), int(ProfilesImport::SettingsNotAnObject));

    const QJsonObject empty = root(QJsonObject());
    import.setRoot(&empty);
    QCOMPARE(import.readProfilesJson(), int(ProfilesImport::AllParsed));
    QVERIFY(import.parsed().isEmpty());

    const QJsonObject noneParsed = root({{"a", 1}, {"b", QJsonObject()}});
    import.setRoot(&noneParsed);
    QCOMPARE(import.readProfilesJson(), int(ProfilesImport::NoneParsed));
    QCOMPARE(import.failed().size(), 2);

    const QJsonObject some = root({{"good", standardObject()}, {"bad", QJsonObject()}});
    import.setRoot(&some);
    QCOMPARE(import.readProfilesJson(), int(ProfilesImport::SomeFailed));
    QCOMPARE(import.parsed().size(), 1);
    QCOMPARE(import.parsed().first().name, QString("good"));

    // A second read starts afresh.
    import.setRoot(&empty);
    QCOMPARE(import.readProfilesJson(), int(ProfilesImport::AllParsed));
    QVERIFY(import.failed().isEmpty());
    QVERIFY(import.parsed().isEmpty());
}

void TestProfilesJson::failedListInNameOrder()
{
    const QJsonObject r = root({{"c text", "x"},
                                {"a broken", QJsonObject{{"WorkMode", "Time"}}},
                                {"b fine", standardObject()},
                                {"d array", QJsonArray()}});
    ProfilesImport import;
    import.setRoot(&r);
    QCOMPARE(import.readProfilesJson(), int(ProfilesImport::SomeFailed));
    const QList<QPair<QString, int>> expected = {{"a broken", ProfilesImport::NotParsed},
                                                 {"c text", ProfilesImport::NotAnObject},
                                                 {"d array", ProfilesImport::NotAnObject}};
    QCOMPARE(import.failed(), expected);
}

QTEST_MAIN(TestProfilesJson)
#include "tst_profilesjson.moc"
