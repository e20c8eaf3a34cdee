#include "tests/support/DryingSettingsFixtures.h"

DryingSettings fastSettings()
{
    DryingSettings s;
    s.setMainTemperature(160);
    s.setWorkMode(WorkMode::Short);
    s.setCalcFormula(CalcFormula::M0MinusMnOverMn);
    s.setSamplesQuantity(3);
    s.setSamplingTime(10);
    s.setDryingTime(QTime(0, 20, 0));
    s.setDryingProfile(DryingProfile::Fast);
    s.setFastTime(QTime(0, 2, 30));
    s.setFastTemperature(180);
    return s;
}

DryingSettings stepSettings()
{
    DryingSettings s;
    s.setMainTemperature(110);
    s.setWorkMode(WorkMode::Time);
    s.setCalcFormula(CalcFormula::MnOverM0);
    s.setSamplesQuantity(5);
    s.setSamplingTime(2);
    s.setDryingTime(QTime(1, 0, 0));
    s.setDryingProfile(DryingProfile::Step);
    s.setStepTime1(QTime(0, 5, 0));
    s.setStepTime2(QTime(0, 6, 0));
    s.setStepTemperature1(90);
    s.setStepTemperature2(120);
    return s;
}
