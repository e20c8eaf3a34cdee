// The current-settings panel for every drying profile, editable and read-only.
#include "ShotRegistry.h"

#include "settings/CurrentSettingsPanel.h"
#include "settings/DryingSettings.h"

SORVANA_SHOT(settingspanel)
{
    for (bool readOnly : {false, true}) {
        for (int p = DryingProfile::Standard; p <= DryingProfile::Spec; ++p) {
            DryingSettings s;
            s.setDryingProfile(static_cast<DryingProfile::Type>(p));
            s.setMainTemperature(120);
            s.setWorkMode(WorkMode::Short);
            s.setCalcFormula(CalcFormula::M0MinusMnOverMn);
            s.setSamplesQuantity(4);
            s.setSamplingTime(30);
            s.setDryingTime(QTime(1, 15, 0));
            // The profiles share the fields of their own values.
            if (p == DryingProfile::Slow)
                s.setSlowTime(QTime(0, 7, 30));
            if (p == DryingProfile::Step) {
                s.setStepTime1(QTime(0, 2));
                s.setStepTime2(QTime(0, 4));
                s.setStepTemperature1(80);
                s.setStepTemperature2(100);
            }
            if (p == DryingProfile::Fast) {
                s.setFastTime(QTime(0, 3));
                s.setFastTemperature(150);
            }
            CurrentSettingsPanel panel;
            if (readOnly)
                panel.setReadOnly();
            panel.applyProfileIndex();
            panel.setSettings(s);
            panel.resize(panel.sizeHint().expandedTo(panel.minimumSize()));
            camera.take(&panel, QStringLiteral("panel-%1%2")
                                    .arg(DryingProfile::name(p), readOnly ? "-readonly" : ""));
        }
    }
}
