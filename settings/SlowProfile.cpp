#include "settings/SlowProfile.h"

#include "ui_SlowProfile.h"

SlowProfile::SlowProfile(QWidget* parent) : ProfileEditor(parent), ui(new Ui::SlowProfile)
{
    ui->setupUi(this);
}

SlowProfile::~SlowProfile() { delete ui; }

void SlowProfile::setTime(const QTime& time) { ui->timeEdit->setTime(time); }

QTime SlowProfile::time() const { return ui->timeEdit->time(); }

void SlowProfile::setReadOnly() { ui->timeEdit->setEnabled(false); }

void SlowProfile::showValues(const DryingSettings& s) { setTime(s.slowTime()); }

void SlowProfile::readValues(DryingSettings& s) const { s.setSlowTime(time()); }
