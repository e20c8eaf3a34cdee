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
    if (ProfileEditor* editor = placeOf(s.dryingProfile()).editor)
        editor->showValues(s);
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
    if (const ProfileEditor* editor = placeOf(s.dryingProfile()).editor)
        editor->readValues(s);
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
    if (ProfileEditor* editor = placeOf(currentProfile()).editor)
        editor->setDryingTemperature(temperature);
}

CurrentSettingsPanel::EditorPlace CurrentSettingsPanel::placeOf(DryingProfile::Type profile) const
{
    switch (profile) {
    case DryingProfile::Slow: return {ui->slowProfile, 400};
    case DryingProfile::Step: return {ui->stepProfile, 440};
    case DryingProfile::Fast: return {ui->fastProfile, 420};
    default: return {nullptr, 360};
    }
}

void CurrentSettingsPanel::onProfileIndexChanged(int index)
{
    const DryingProfile::Type profile = DryingProfile::fromDeviceValue(index);
    const EditorPlace place = placeOf(profile);
    QWidget* shown = place.editor ? static_cast<QWidget*>(place.editor) : ui->standardProfile;
    for (QWidget* editor :
         {static_cast<QWidget*>(ui->fastProfile), static_cast<QWidget*>(ui->slowProfile),
          static_cast<QWidget*>(ui->stepProfile), static_cast<QWidget*>(ui->standardProfile)})
        editor->setVisible(editor == shown);
    setMinimumHeight(place.panelMinimumHeight);
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
