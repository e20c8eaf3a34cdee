#include "settings/DryingSettings.h"
#include "settings/NamedDryingSettings.h"
#include "settings/SettingsComboBoxes.h"

#include <QComboBox>
#include <QtTest>

class TestDryingSettings : public QObject
{
    Q_OBJECT

private slots:
    void enumerationNames();
    void deviceNumbering();
    void formulaLabels();
    void defaults();
    void sharedTailSlots();
    void equalityIgnoresUnusedSlots();
    void equalityComparesEveryCommonField();
    void slotComboBox();
};

void TestDryingSettings::enumerationNames()
{
    QCOMPARE(WorkMode::name(0), QString("Short"));
    QCOMPARE(WorkMode::name(1), QString("Time"));
    QCOMPARE(WorkMode::name(2), QString("Unknown"));
    QCOMPARE(WorkMode::fromName("Time"), WorkMode::Time);
    QCOMPARE(WorkMode::fromName("short"), WorkMode::Unknown); // case-sensitive

    QCOMPARE(CalcFormula::name(2, true), QString("(mn/m0) *100%"));
    QCOMPARE(CalcFormula::name(1), QString("(m0-mn)/mn"));
    QCOMPARE(CalcFormula::name(5, true), QString());
    QCOMPARE(CalcFormula::name(-1, true), QString());
    QCOMPARE(CalcFormula::nameOrUnknown(3), QString("Unknown"));
    QCOMPARE(CalcFormula::nameOrUnknown(0), QString("(m0-mn)/m0"));
    for (int f = 0; f < 3; ++f)
        QCOMPARE(int(CalcFormula::fromName(CalcFormula::name(f))), f);
    QCOMPARE(CalcFormula::fromName("(mn/m0) *100%"), CalcFormula::Unknown);

    QCOMPARE(DryingProfile::name(4), QString("Spec"));
    QCOMPARE(DryingProfile::name(5), QString("Unknown"));
    QCOMPARE(DryingProfile::name(-1), QString("Unknown"));
    QCOMPARE(DryingProfile::fromName("Spec"), DryingProfile::Spec);
    QCOMPARE(DryingProfile::fromName("Standard"), DryingProfile::Standard);
    QCOMPARE(DryingProfile::fromName("fast"), DryingProfile::Unknown);
}

void TestDryingSettings::deviceNumbering()
{
    QCOMPARE(WorkMode::fromDeviceValue(7), WorkMode::Short);
    QCOMPARE(WorkMode::fromDeviceValue(1), WorkMode::Time);
    QCOMPARE(WorkMode::toDeviceValue(WorkMode::Unknown), 0);

    QCOMPARE(CalcFormula::toIndex(1), 2);
    QCOMPARE(CalcFormula::toIndex(2), 1);
    QCOMPARE(CalcFormula::toIndex(3), 0);
    QCOMPARE(CalcFormula::fromIndex(-4), CalcFormula::M0MinusMnOverM0);
    for (int f = 0; f < 3; ++f)
        QCOMPARE(int(CalcFormula::fromIndex(CalcFormula::toIndex(f))), f);
    QVERIFY(CalcFormula::isMnOverM0(2));
    QVERIFY(!CalcFormula::isMnOverM0(1));
    QCOMPARE(CalcFormula::defaultValue(), CalcFormula::M0MinusMnOverM0);

    QCOMPARE(DryingProfile::fromDeviceValue(5), DryingProfile::Standard);
    QCOMPARE(DryingProfile::fromDeviceValue(-1), DryingProfile::Standard);
    QCOMPARE(DryingProfile::fromDeviceValue(4), DryingProfile::Spec);
    QCOMPARE(DryingProfile::toDeviceValue(DryingProfile::Unknown), 0);
    QCOMPARE(DryingProfile::toDeviceValue(DryingProfile::Fast), 3);
}

void TestDryingSettings::formulaLabels()
{
    QCOMPARE(CalcFormula::htmlLabel(1),
             QString("(m<sub>0</sub>-m<sub>n</sub>)/(m<sub>0</sub>) *100%"));
    QCOMPARE(CalcFormula::htmlLabel(0),
             QString("(m<sub>0</sub>-m<sub>n</sub>)/(m<sub>n</sub>) *100%"));
    QCOMPARE(CalcFormula::htmlLabel(2), QString("(m<sub>n</sub>/m<sub>0</sub>) *100%"));
    QCOMPARE(CalcFormula::htmlLabel(3), QString());
}

void TestDryingSettings::defaults()
{
    const DryingSettings s;
    QCOMPARE(s.workMode(), WorkMode::Time);
    QCOMPARE(s.calcFormula(), CalcFormula::M0MinusMnOverM0);
    QCOMPARE(s.dryingProfile(), DryingProfile::Standard);
    QCOMPARE(s.mainTemperature(), 100);
    QCOMPARE(s.samplesQuantity(), 0);
    QCOMPARE(s.samplingTime(), 1);
    QCOMPARE(s.dryingTime(), QTime(0, 0, 0));
    // The tail starts at zero, so a fresh Step set compares and stores defined values.
    QCOMPARE(s.stepTime1(), QTime(0, 0, 0));
    QCOMPARE(s.stepTime2(), QTime(0, 0, 0));
    QCOMPARE(s.stepTemperature1(), 0);
    QCOMPARE(s.stepTemperature2(), 0);
    DryingSettings a, b;
    a.setDryingProfile(DryingProfile::Step);
    b.setDryingProfile(DryingProfile::Step);
    QVERIFY(a == b);
}

void TestDryingSettings::sharedTailSlots()
{
    DryingSettings s;
    s.setFastTime(QTime(0, 3, 20));
    QCOMPARE(s.slowTime(), QTime(0, 3, 20));
    QCOMPARE(s.stepTime1(), QTime(0, 3, 20));
    s.setFastTemperature(140);
    QCOMPARE(s.stepTime2(), QTime::fromMSecsSinceStartOfDay(140));
    s.setStepTemperature2(77);
    QCOMPARE(s.fastTemperature(), 140);
    QCOMPARE(s.stepTemperature2(), 77);

    // An invalid time survives a round trip through a slot.
    s.setDryingTime(QTime());
    QVERIFY(!s.dryingTime().isValid());
    s.setSlowTime(QTime());
    QVERIFY(!s.slowTime().isValid());
    s.setSlowTime(QTime(0, 0, 0, 999));
    QCOMPARE(s.slowTime(), QTime(0, 0, 0, 999));
}

void TestDryingSettings::equalityIgnoresUnusedSlots()
{
    DryingSettings a, b;
    a.setStepTemperature2(50);
    b.setStepTemperature2(60);
    a.setFastTime(QTime(0, 1));
    QVERIFY(a == b); // Standard uses no slot
    a.setDryingProfile(DryingProfile::Spec);
    b.setDryingProfile(DryingProfile::Spec);
    QVERIFY(a == b);

    a.setDryingProfile(DryingProfile::Step);
    b.setDryingProfile(DryingProfile::Step);
    b.setFastTime(QTime(0, 1));
    QVERIFY(a != b); // Step compares stepTemperature2

    a.setDryingProfile(DryingProfile::Fast);
    b.setDryingProfile(DryingProfile::Fast);
    QVERIFY(a == b); // Fast ignores slots 3 and 4
    b.setFastTemperature(1);
    QVERIFY(a != b);

    a.setDryingProfile(DryingProfile::Slow);
    b.setDryingProfile(DryingProfile::Slow);
    QVERIFY(a == b); // Slow ignores slot 2
    b.setSlowTime(QTime(0, 2));
    QVERIFY(a != b);
}

void TestDryingSettings::equalityComparesEveryCommonField()
{
    const DryingSettings base;
    QList<DryingSettings> changed;
    DryingSettings s;
    s.setWorkMode(WorkMode::Short);
    changed << s;
    s = base;
    s.setCalcFormula(CalcFormula::MnOverM0);
    changed << s;
    s = base;
    s.setDryingProfile(DryingProfile::Spec);
    changed << s;
    s = base;
    s.setMainTemperature(101);
    changed << s;
    s = base;
    s.setSamplesQuantity(3);
    changed << s;
    s = base;
    s.setSamplingTime(2);
    changed << s;
    s = base;
    s.setDryingTime(QTime(0, 0, 1));
    changed << s;
    s = base;
    for (const DryingSettings& c : qAsConst(changed))
        QVERIFY(!(c == base));

    NamedDryingSettings named{QStringLiteral("x"), base};
    const QVariant v = QVariant::fromValue(named);
    QCOMPARE(v.value<NamedDryingSettings>().settings, base);
}

void TestDryingSettings::slotComboBox()
{
    QComboBox combo;
    fillSlotComboBoxWithPlaceholder(&combo);
    QCOMPARE(combo.count(), 21);
    QCOMPARE(combo.itemText(0), comboPlaceholderText());
    QCOMPARE(combo.itemText(0), QString(" --- "));
    QCOMPARE(combo.itemText(20), QString("20"));
    QCOMPARE(slotIndexToNumber(0), -1);
    QCOMPARE(slotIndexToNumber(combo.findText("7")), 6);

    QComboBox own;
    fillSlotComboBox(&own, "Current");
    QCOMPARE(own.itemText(0), QString("Current"));
    QCOMPARE(own.itemText(1), QString("1"));
}

QTEST_MAIN(TestDryingSettings)
#include "tst_dryingsettings.moc"
