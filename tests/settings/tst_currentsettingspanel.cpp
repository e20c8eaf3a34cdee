#include "settings/CurrentSettingsPanel.h"
#include "settings/FastProfile.h"
#include "settings/SettingsComboBoxes.h"
#include "settings/SettingsTrProvider.h"
#include "settings/SlowProfile.h"
#include "settings/StandardProfile.h"
#include "settings/StepProfile.h"

#include "resources/Resources.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTimeEdit>
#include <QTranslator>
#include <QtTest>

namespace {

DryingSettings makeSet(DryingProfile::Type profile, int temperature = 120)
{
    DryingSettings s;
    s.setDryingProfile(profile);
    s.setMainTemperature(temperature);
    s.setWorkMode(WorkMode::Short);
    s.setCalcFormula(CalcFormula::M0MinusMnOverMn);
    s.setSamplesQuantity(4);
    s.setSamplingTime(30);
    s.setDryingTime(QTime(1, 15, 0));
    switch (profile) {
    case DryingProfile::Slow: s.setSlowTime(QTime(0, 7, 30)); break;
    case DryingProfile::Step:
        s.setStepTime1(QTime(0, 2));
        s.setStepTime2(QTime(0, 4));
        s.setStepTemperature1(80);
        s.setStepTemperature2(100);
        break;
    case DryingProfile::Fast:
        s.setFastTime(QTime(0, 3));
        s.setFastTemperature(150);
        break;
    default: break;
    }
    return s;
}

template <typename T>
bool shown(const CurrentSettingsPanel& panel)
{
    return !panel.findChild<T*>()->isHidden();
}

} // namespace

class TestCurrentSettingsPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fillersAndProvider();
    void roundTripEveryProfile();
    void everyProfileShowsItsOwnEditor();
    void workModeTimeHidesSamples();
    void profileTemperaturesFollowDryingTemperature();
    void valuesAreClamped();
    void readOnlyDisablesEveryEditor();
    void languageChangeRenamesItems();
};

void TestCurrentSettingsPanel::initTestCase()
{
    initSorvanaResources();
    QLoggingCategory::setFilterRules("default.debug=false");
}

void TestCurrentSettingsPanel::fillersAndProvider()
{
    const SettingsTrProvider provider;
    QCOMPARE(provider.dryingProfileText(4), QString("Spec"));
    QCOMPARE(provider.dryingProfileText(5), QString());
    QCOMPARE(provider.workModeText(1), QString("Time"));
    QCOMPARE(provider.workModeText(2), QString());
    QCOMPARE(provider.text(7), QString());
    QCOMPARE(provider.text(-1), QString());

    QComboBox combo;
    combo.addItem("stale");
    fillFormulaComboBox(&combo);
    QCOMPARE(combo.count(), 3);
    QCOMPARE(combo.itemText(1), QString("(mn/m0)"));
    QCOMPARE(combo.itemText(2), QString("(m0-mn)/mn"));
    fillProfileComboBox(&combo);
    QCOMPARE(combo.count(), 5);
    QCOMPARE(combo.itemText(3), QString("Fast"));
    fillWorkModeComboBox(&combo);
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.itemText(0), QString("Short"));
    QCOMPARE(profileFromComboIndex(7), DryingProfile::Standard);
    QCOMPARE(workModeFromComboIndex(1), WorkMode::Time);
}

void TestCurrentSettingsPanel::roundTripEveryProfile()
{
    CurrentSettingsPanel panel;
    panel.applyProfileIndex();
    for (int p = DryingProfile::Standard; p <= DryingProfile::Spec; ++p) {
        const DryingSettings s = makeSet(static_cast<DryingProfile::Type>(p));
        panel.setSettings(s);
        QCOMPARE(panel.currentProfile(), s.dryingProfile());
        QCOMPARE(panel.settings(), s);
    }
    // The combo boxes use the device numbering: formula 1 sits at index 2.
    QCOMPARE(panel.findChild<QComboBox*>("readHumidityFormula")->currentIndex(), 2);
}

void TestCurrentSettingsPanel::everyProfileShowsItsOwnEditor()
{
    CurrentSettingsPanel panel;
    panel.applyProfileIndex();
    struct Expectation
    {
        DryingProfile::Type profile;
        int height;
        bool standard, slow, step, fast;
    };
    const Expectation expected[] = {
        {DryingProfile::Standard, 360, true, false, false, false},
        {DryingProfile::Slow, 400, false, true, false, false},
        {DryingProfile::Step, 440, false, false, true, false},
        {DryingProfile::Fast, 420, false, false, false, true},
        {DryingProfile::Spec, 360, true, false, false, false},
    };
    for (const Expectation& e : expected) {
        panel.setSettings(makeSet(e.profile));
        QCOMPARE(panel.minimumHeight(), e.height);
        QCOMPARE(shown<StandardProfile>(panel), e.standard);
        QCOMPARE(shown<SlowProfile>(panel), e.slow);
        QCOMPARE(shown<StepProfile>(panel), e.step);
        QCOMPARE(shown<FastProfile>(panel), e.fast);
    }
}

void TestCurrentSettingsPanel::workModeTimeHidesSamples()
{
    CurrentSettingsPanel panel;
    DryingSettings s = makeSet(DryingProfile::Standard);
    panel.setSettings(s);
    QVERIFY(!panel.findChild<QSpinBox*>("readSamplesQty")->isHidden());
    QCOMPARE(panel.settings().samplesQuantity(), 4);

    panel.findChild<QComboBox*>("readWorkMode")->setCurrentIndex(1);
    QVERIFY(panel.findChild<QSpinBox*>("readSamplesQty")->isHidden());
    QVERIFY(panel.findChild<QLabel*>("labelSamplesQty")->isHidden());
    QCOMPARE(panel.settings().samplesQuantity(), 0);
    QCOMPARE(panel.settings().workMode(), WorkMode::Time);
}

void TestCurrentSettingsPanel::profileTemperaturesFollowDryingTemperature()
{
    CurrentSettingsPanel panel;
    panel.applyProfileIndex();

    DryingSettings fast = makeSet(DryingProfile::Fast, 130);
    fast.setFastTemperature(110);
    panel.setSettings(fast);
    QCOMPARE(panel.settings().fastTemperature(), 130); // raised to the drying temperature
    auto* temp = panel.findChild<QSpinBox*>("readTemp");
    temp->setValue(90);
    QCOMPARE(panel.findChild<FastProfile*>()->findChild<QSpinBox*>()->minimum(), 90);

    DryingSettings step = makeSet(DryingProfile::Step, 90);
    step.setStepTemperature1(150);
    step.setStepTemperature2(95);
    panel.setSettings(step);
    QCOMPARE(panel.settings().stepTemperature1(), 90);
    QCOMPARE(panel.settings().stepTemperature2(), 90);

    // A hotter set shown afterwards is not held down by the previous limit.
    DryingSettings hot = makeSet(DryingProfile::Step, 160);
    hot.setStepTemperature2(155);
    panel.setSettings(hot);
    QCOMPARE(panel.settings().stepTemperature2(), 155);
}

void TestCurrentSettingsPanel::valuesAreClamped()
{
    CurrentSettingsPanel panel;
    DryingSettings s = makeSet(DryingProfile::Slow);
    s.setDryingTime(QTime(10, 0));
    s.setMainTemperature(200);
    s.setSamplingTime(0);
    s.setSamplesQuantity(9);
    s.setSlowTime(QTime(0, 12, 30));
    panel.setSettings(s);
    const DryingSettings read = panel.settings();
    QCOMPARE(read.dryingTime(), QTime(9, 0));
    QCOMPARE(read.mainTemperature(), 160);
    QCOMPARE(read.samplingTime(), 1);
    QCOMPARE(read.samplesQuantity(), 5);
    QCOMPARE(read.slowTime(), QTime(0, 10));

    s.setDryingTime(QTime(0, 0));
    panel.setSettings(s);
    QCOMPARE(panel.settings().dryingTime(), QTime(0, 0, 1));
    QCOMPARE(panel.findChild<QTimeEdit*>("readDryingTime")->text(), QString("00:00:01"));
}

void TestCurrentSettingsPanel::readOnlyDisablesEveryEditor()
{
    CurrentSettingsPanel panel;
    panel.setReadOnly();
    panel.applyProfileIndex();
    const QList<QWidget*> editors = panel.findChildren<QWidget*>();
    int checked = 0;
    for (QWidget* w : editors) {
        if (qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w)) {
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
            ++checked;
        }
    }
    QCOMPARE(checked, 7 + 1 + 4 + 2);

    // Still follows new settings, profile editor included.
    panel.setSettings(makeSet(DryingProfile::Fast));
    QVERIFY(shown<FastProfile>(panel));
    QCOMPARE(panel.settings(), makeSet(DryingProfile::Fast));
}

void TestCurrentSettingsPanel::languageChangeRenamesItems()
{
    QTranslator polish;
    QVERIFY(polish.load(":/i18n/polish.qm"));
    CurrentSettingsPanel panel;
    panel.setSettings(makeSet(DryingProfile::Step));
    QCoreApplication::installTranslator(&polish);
    QCoreApplication::processEvents();
    auto* profiles = panel.findChild<QComboBox*>("readDryingProfile");
    QCOMPARE(profiles->itemText(2), QCoreApplication::translate("CurrentSettingsPanel", "Step"));
    QVERIFY(profiles->itemText(2) != QString("Step"));
    QCOMPARE(profiles->currentIndex(), 2);
    QCOMPARE(panel.findChild<QLabel*>("labelWorkMode")->text(),
             QCoreApplication::translate("CurrentSettingsPanel", "Work mode"));
    QCOMPARE(SettingsTrProvider().dryingProfileText(4),
             QCoreApplication::translate("SettingsTrProvider", "Spec"));
    QCoreApplication::removeTranslator(&polish);
    QCoreApplication::processEvents();
    QCOMPARE(profiles->itemText(2), QString("Step"));
}

QTEST_MAIN(TestCurrentSettingsPanel)
#include "tst_currentsettingspanel.moc"
