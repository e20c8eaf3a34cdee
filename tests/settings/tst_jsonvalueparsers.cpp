#include "settings/EnumNameTypeParser.h"
#include "settings/IntTypeParser.h"
#include "settings/QTimeTypeParser.h"

#include <QJsonValue>
#include <QtTest>

#include <memory>

class TestJsonValueParsers : public QObject
{
    Q_OBJECT

private slots:
    void integers();
    void times();
    void enumerationNames();
};

void TestJsonValueParsers::integers()
{
    int target = 77;
    std::unique_ptr<Common::Json::IParsable> parser(new Common::Json::IntTypeParser(&target));
    QVERIFY(parser->parse(QJsonValue(12)));
    QCOMPARE(target, 12);
    QVERIFY(parser->parse(QJsonValue(-40)));
    QCOMPARE(target, -40);

    // The target is written even when the value is refused.
    target = 77;
    QVERIFY(!parser->parse(QJsonValue(QStringLiteral("12"))));
    QCOMPARE(target, 0);
    target = 77;
    QVERIFY(!parser->parse(QJsonValue(99.5)));
    QCOMPARE(target, 0);
    QVERIFY(!parser->parse(QJsonValue(5e12)));
    QVERIFY(!parser->parse(QJsonValue(true)));
    QVERIFY(!parser->parse(QJsonValue(QJsonValue::Null)));
    QVERIFY(!parser->parse(QJsonValue(QJsonValue::Undefined)));
}

void TestJsonValueParsers::times()
{
    QTime target(1, 2, 3);
    KD::Json::QTimeTypeParser parser(&target);
    QVERIFY(parser.parse(QJsonValue(120)));
    QCOMPARE(target, QTime(0, 2, 0));
    QVERIFY(parser.parse(QJsonValue(90000)));
    QCOMPARE(target, QTime(1, 0, 0)); // wraps at 24 hours

    QVERIFY(!parser.parse(QJsonValue(QStringLiteral("120"))));
    QCOMPARE(target, QTime(1, 0, 0));
    QVERIFY(!parser.parse(QJsonValue(90.5)));
    QCOMPARE(target, QTime(1, 0, 0));
}

void TestJsonValueParsers::enumerationNames()
{
    DryingProfile::Type profile = DryingProfile::Fast;
    KD::Json::DryingProfileTypeParser profileParser(&profile);
    QVERIFY(profileParser.parse(QJsonValue(QStringLiteral("Step"))));
    QCOMPARE(profile, DryingProfile::Step);
    QVERIFY(!profileParser.parse(QJsonValue(QStringLiteral("Turbo"))));
    QCOMPARE(profile, DryingProfile::Unknown);
    profile = DryingProfile::Fast;
    QVERIFY(!profileParser.parse(QJsonValue(2)));
    QCOMPARE(profile, DryingProfile::Fast);

    WorkMode::Type mode = WorkMode::Time;
    KD::Json::WorkModeTypeParser modeParser(&mode);
    QVERIFY(modeParser.parse(QJsonValue(QStringLiteral("Short"))));
    QCOMPARE(mode, WorkMode::Short);
    QVERIFY(!modeParser.parse(QJsonValue(QStringLiteral("Unknown"))));
    QCOMPARE(mode, WorkMode::Unknown);

    CalcFormula::Type formula = CalcFormula::M0MinusMnOverM0;
    KD::Json::CalcFormulaTypeParser formulaParser(&formula);
    QVERIFY(formulaParser.parse(QJsonValue(QStringLiteral("(mn/m0)"))));
    QCOMPARE(formula, CalcFormula::MnOverM0);
    QVERIFY(!formulaParser.parse(QJsonValue(QStringLiteral("(mn/m0) *100%"))));
    QCOMPARE(formula, CalcFormula::Unknown);
}

QTEST_MAIN(TestJsonValueParsers)
#include "tst_jsonvalueparsers.moc"
