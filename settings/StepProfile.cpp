#include "settings/StepProfile.h"

#include "ui_StepProfile.h"

StepProfile::StepProfile(QWidget* parent) : ProfileEditor(parent), ui(new Ui::StepProfile)
{
    ui->setupUi(this);
}

StepProfile::~StepProfile() { delete ui; }

void StepProfile::setValues(const QTime& time1, int temperature1, const QTime& time2,
                            int temperature2)
{
    ui->timeT1TimeEdit->setTime(time1);
    ui->tempT1Spinbox->setValue(temperature1);
    ui->timeT2TimeEdit->setTime(time2);
    ui->tempT2Spinbox->setValue(temperature2);
}

QTime StepProfile::time1() const { return ui->timeT1TimeEdit->time(); }

QTime StepProfile::time2() const { return ui->timeT2TimeEdit->time(); }

int StepProfile::temperature1() const { return ui->tempT1Spinbox->value(); }

int StepProfile::temperature2() const { return ui->tempT2Spinbox->value(); }

void StepProfile::setReadOnly()
{
    ui->timeT1TimeEdit->setEnabled(false);
    ui->timeT2TimeEdit->setEnabled(false);
    ui->tempT1Spinbox->setEnabled(false);
    ui->tempT2Spinbox->setEnabled(false);
}

void StepProfile::setMaximumTemperature(int temperature)
{
    ui->tempT1Spinbox->setMaximum(temperature);
    ui->tempT2Spinbox->setMaximum(temperature);
}

void StepProfile::showValues(const DryingSettings& s)
{
    setValues(s.stepTime1(), s.stepTemperature1(), s.stepTime2(), s.stepTemperature2());
}

void StepProfile::readValues(DryingSettings& s) const
{
    s.setStepTemperature1(temperature1());
    s.setStepTemperature2(temperature2());
    s.setStepTime1(time1());
    s.setStepTime2(time2());
}

void StepProfile::setDryingTemperature(int temperature) { setMaximumTemperature(temperature); }
