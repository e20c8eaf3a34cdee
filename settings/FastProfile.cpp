#include "settings/FastProfile.h"

#include "ui_FastProfile.h"

FastProfile::FastProfile(QWidget* parent) : ProfileEditor(parent), ui(new Ui::FastProfile)
{
    ui->setupUi(this);
}

FastProfile::~FastProfile() { delete ui; }

void FastProfile::setValues(const QTime& time, int temperature)
{
    ui->tempSpinBox->setValue(temperature);
    ui->timeTimeEdit->setTime(time);
}

QTime FastProfile::time() const { return ui->timeTimeEdit->time(); }

int FastProfile::temperature() const { return ui->tempSpinBox->value(); }

void FastProfile::setReadOnly()
{
    ui->timeTimeEdit->setEnabled(false);
    ui->tempSpinBox->setEnabled(false);
}

void FastProfile::setMinimumTemperature(int temperature)
{
    ui->tempSpinBox->setMinimum(temperature);
}

void FastProfile::showValues(const DryingSettings& s)
{
    setValues(s.fastTime(), s.fastTemperature());
}

void FastProfile::readValues(DryingSettings& s) const
{
    s.setFastTemperature(temperature());
    s.setFastTime(time());
}

void FastProfile::setDryingTemperature(int temperature) { setMinimumTemperature(temperature); }
