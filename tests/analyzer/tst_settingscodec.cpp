#include "analyzer/SettingsCodec.h"

#include <QtTest>

using namespace KD::Communication;

class TestSettingsCodec : public QObject
{
    Q_OBJECT

private slots:
    void encode_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<DryingSettings>("settings");
        QTest::addColumn<int>("wire");

        DryingSettings s;
        s.setMainTemperature(-5);
        QTest::newRow("negative temperature") << 100 << s << -5;
        s.setWorkMode(WorkMode::Time);
        QTest::newRow("work mode time") << 101 << s << 1;
        s.setWorkMode(WorkMode::Short);
        QTest::newRow("work mode short") << 101 << s << 0;
        s.setCalcFormula(CalcFormula::M0MinusMnOverM0);
        QTest::newRow("formula 0") << 102 << s << 0;
        s.setCalcFormula(CalcFormula::M0MinusMnOverMn);
        QTest::newRow("formula 1 swapped") << 102 << s << 2;
        s.setCalcFormula(CalcFormula::MnOverM0);
        QTest::newRow("formula 2 swapped") << 102 << s << 1;
        s.setSamplesQuantity(7);
        QTest::newRow("samples") << 103 << s << 7;
        s.setSamplingTime(30);
        QTest::newRow("sampling time") << 104 << s << 30;
        s.setDryingTime(QTime(1, 2, 3));
        QTest::newRow("drying time") << 105 << s << 3723;
        s.setDryingProfile(DryingProfile::Spec);
        QTest::newRow("profile") << 106 << s << 4;

        DryingSettings step;
        step.setStepTime1(QTime(0, 1, 0));
        step.setStepTime2(QTime(0, 2, 30));
        step.setStepTemperature1(120);
        step.setStepTemperature2(-1);
        QTest::newRow("step time 1") << 118 << step << 60;
        QTest::newRow("step time 2") << 119 << step << 150;
        QTest::newRow("step temperature 1") << 120 << step << 120;
        QTest::newRow("step temperature 2") << 121 << step << -1;

        DryingSettings fast;
        fast.setFastTime(QTime(0, 10, 0));
        fast.setFastTemperature(180);
        QTest::newRow("fast time") << 122 << fast << 600;
        QTest::newRow("fast temperature") << 123 << fast << 180;
        DryingSettings slow;
        slow.setSlowTime(QTime(2, 0, 0));
        QTest::newRow("slow time") << 117 << slow << 7200;
    }
    void encode()
    {
        QFETCH(int, code);
        QFETCH(DryingSettings, settings);
        QFETCH(int, wire);
        QCOMPARE(encodeSetting(settings, code), wire);
    }

    void decode()
    {
        DryingSettings s;
        decodeSetting(s, 110, QVariant(105.6));
        QCOMPARE(s.mainTemperature(), 106);
        decodeSetting(s, 110, QVariant(-3.4));
        QCOMPARE(s.mainTemperature(), -3);
        decodeSetting(s, 111, 7);
        QCOMPARE(s.workMode(), WorkMode::Short);
        decodeSetting(s, 111, 1);
        QCOMPARE(s.workMode(), WorkMode::Time);
        decodeSetting(s, 112, 1);
        QCOMPARE(s.calcFormula(), CalcFormula::MnOverM0);
        decodeSetting(s, 112, 2);
        QCOMPARE(s.calcFormula(), CalcFormula::M0MinusMnOverMn);
        decodeSetting(s, 112, 5);
        QCOMPARE(s.calcFormula(), CalcFormula::M0MinusMnOverM0);
        decodeSetting(s, 115, 3723);
        QCOMPARE(s.dryingTime(), QTime(1, 2, 3));
        decodeSetting(s, 116, 7);
        QCOMPARE(s.dryingProfile(), DryingProfile::Standard);
        decodeSetting(s, 116, 3);
        QCOMPARE(s.dryingProfile(), DryingProfile::Fast);
        decodeSetting(s, 129, 90);
        decodeSetting(s, 130, 150);
        QCOMPARE(s.fastTime(), QTime(0, 1, 30));
        QCOMPARE(s.fastTemperature(), 150);

        // Codes that load nothing leave the set alone.
        const DryingSettings before = s;
        for (int code : {100, 109, 117, 123, 131})
            decodeSetting(s, code, 1);
        QCOMPARE(s, before);
    }

    // Every set code and its load code carry the same field.
    void roundTrip()
    {
        DryingSettings s;
        s.setMainTemperature(135);
        s.setWorkMode(WorkMode::Short);
        s.setCalcFormula(CalcFormula::M0MinusMnOverMn);
        s.setSamplesQuantity(4);
        s.setSamplingTime(12);
        s.setDryingTime(QTime(0, 45, 10));
        s.setDryingProfile(DryingProfile::Step);
        s.setStepTime1(QTime(0, 3, 0));
        s.setStepTime2(QTime(0, 4, 5));
        s.setStepTemperature1(90);
        s.setStepTemperature2(110);

        DryingSettings back;
        for (int set = 100; set <= 106; ++set)
            decodeSetting(back, set + 10, encodeSetting(s, set));
        for (int set = 118; set <= 121; ++set)
            decodeSetting(back, set + 7, encodeSetting(s, set));
        QCOMPARE(back, s);
    }
};

QTEST_GUILESS_MAIN(TestSettingsCodec)
#include "tst_settingscodec.moc"
