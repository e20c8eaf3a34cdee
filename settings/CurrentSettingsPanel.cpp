#include "settings/CurrentSettingsPanel.h"

#include "settings/SettingsComboBoxes.h"

#include "ui_CurrentSettingsPanel.h"

#include <QDebug>
#include <QEvent>

CurrentSettingsPanel::CurrentSettingsPanel(QWidget* parent)
    : QWidget(parent), ui(new Ui::CurrentSettingsPanel)
{
    ui->setupUi(this);
    fillWorkModeComboBox(ui->readWorkMode);
    fillFormulaComboBox(ui->readHumidityFormula);
    fillProfileComboBox(ui->readDryingProfile);

    connect(ui->readWorkMode, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CurrentSettingsPanel::onWorkModeIndexChanged);
    connect(ui->readDryingProfile, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CurrentSettingsPanel::onProfileIndexChanged);
    connect(ui->readTemp, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &CurrentSettingsPanel::onTempChange);
}

CurrentSettingsPanel::~CurrentSettingsPanel() { delete ui; }

void CurrentSettingsPanel::setReadOnly()
{
    for (QWidget* editor :
         {static_cast<QWidget*>(ui->readTemp), static_cast<QWidget*>(ui->readWorkMode),
          static_cast<QWidget*>(ui->readHumidityFormula), static_cast<QWidget*>(ui->readSamplesQty),
          static_cast<QWidget*>(ui->readSamplesTime), static_cast<QWidget*>(ui->readDryingTime),
          static_cast<QWidget*>(ui->readDryingProfile)})
        editor->setEnabled(false);
    ui->fastProfile->setReadOnly();
    ui->slowProfile->setReadOnly();
    ui->stepProfile->setReadOnly();
}

void CurrentSettingsPanel::setSettings(const DryingSettings& s)
{
    // The drying temperature and the profile come first, so that the profile
    // values meet the limits of this set.
    ui->readTemp->setValue(s.mainTemperature());
    ui->readWorkMode->setCurrentIndex(WorkMode::toDeviceValue(s.workMode()));
    ui->readHumidityFormula->setCurrentIndex(CalcFormula::toIndex(s.calcFormula()));
    ui->readSamplesQty->setValue(s.samplesQuantity());
    ui->readSamplesTime->setValue(s.samplingTime());
    ui->readDryingTime->setTime(s.dryingTime());
    ui->readDryingProfile->setCurrentIndex(DryingProfile::toDeviceValue(s.dryingProfile()));

    switch (s.dryingProfile()) {
    case DryingProfile::Step:
        ui->stepProfile->setValues(s.stepTime1(), s.stepTemperature1(), s.stepTime2(),
                                   s.stepTemperature2());
        break;
    case DryingProfile::Fast: ui->fastProfile->setValues(s.fastTime(), s.fastTemperature()); break;
    case DryingProfile::Slow: ui->slowProfile->setTime(s.slowTime()); break;
    default: break;
    }
}

DryingSettings CurrentSettingsPanel::settings() const
{
    DryingSettings s;
    s.setMainTemperature(ui->readTemp->value());
    s.setWorkMode(WorkMode::fromDeviceValue(ui->readWorkMode->currentIndex()));
    s.setCalcFormula(CalcFormula::fromIndex(ui->readHumidityFormula->currentIndex()));
    // The analyzer counts samples only in the work mode "Short".
    s.setSamplesQuantity(s.workMode() > WorkMode::Short ? 0 : ui->readSamplesQty->value());
    s.setSamplingTime(ui->readSamplesTime->value());
    s.setDryingTime(ui->readDryingTime->time());
    s.setDryingProfile(currentProfile());

    switch (s.dryingProfile()) {
    case DryingProfile::Step:
        s.setStepTemperature1(ui->stepProfile->temperature1());
        s.setStepTemperature2(ui->stepProfile->temperature2());
        s.setStepTime1(ui->stepProfile->time1());
        s.setStepTime2(ui->stepProfile->time2());
        break;
    case DryingProfile::Fast:
        s.setFastTemperature(ui->fastProfile->temperature());
        s.setFastTime(ui->fastProfile->time());
        break;
    case DryingProfile::Slow: s.setSlowTime(ui->slowProfile->time()); break;
    default: break;
    }
    return s;
}

void CurrentSettingsPanel::applyProfileIndex()
{
    onProfileIndexChanged(ui->readDryingProfile->currentIndex());
}

DryingProfile::Type CurrentSettingsPanel::currentProfile() const
{
    return DryingProfile::fromDeviceValue(ui->readDryingProfile->currentIndex());
}

void CurrentSettingsPanel::passTemperatureToProfile(int temperature)
{
    switch (currentProfile()) {
    case DryingProfile::Fast: ui->fastProfile->setMinimumTemperature(temperature); break;
    case DryingProfile::Step: ui->stepProfile->setMaximumTemperature(temperature); break;
    default: break;
    }
}

void CurrentSettingsPanel::onProfileIndexChanged(int index)
{
    const DryingProfile::Type profile = DryingProfile::fromDeviceValue(index);
    ui->fastProfile->hide();
    ui->slowProfile->hide();
    ui->stepProfile->hide();
    ui->standardProfile->hide();

    int minimumHeight = 360;
    switch (profile) {
    case DryingProfile::Step:
        ui->stepProfile->show();
        minimumHeight = 440;
        break;
    case DryingProfile::Fast:
        ui->fastProfile->show();
        minimumHeight = 420;
        break;
    case DryingProfile::Slow:
        ui->slowProfile->show();
        minimumHeight = 400;
        break;
    default: ui->standardProfile->show(); break;
    }
    setMinimumHeight(minimumHeight);
    passTemperatureToProfile(ui->readTemp->value());
}

void CurrentSettingsPanel::onWorkModeIndexChanged(int index)
{
    qDebug() << "CurrentSettingsPanel minimum height" << minimumHeight();
    const bool countsSamples = WorkMode::fromDeviceValue(index) == WorkMode::Short;
    ui->readSamplesQty->setVisible(countsSamples);
    ui->labelSamplesQty->setVisible(countsSamples);
}

void CurrentSettingsPanel::onTempChange(int temp) { passTemperatureToProfile(temp); }

void CurrentSettingsPanel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    ui->readWorkMode->setItemText(0, tr("Short"));
    ui->readWorkMode->setItemText(1, tr("Time"));
    ui->readDryingProfile->setItemText(0, tr("Standard"));
    ui->readDryingProfile->setItemText(1, tr("Slow"));
    ui->readDryingProfile->setItemText(2, tr("Step"));
    ui->readDryingProfile->setItemText(3, tr("Fast"));
}
