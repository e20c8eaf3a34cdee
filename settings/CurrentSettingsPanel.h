#pragma once

#include "settings/DryingSettings.h"

#include <QWidget>

class ProfileEditor;

namespace Ui {
class CurrentSettingsPanel;
}

// Shows one drying parameter set and, unless made read-only, lets the user
// edit it. Only the selected profile's editor is visible; the samples
// quantity is hidden in the work mode "Time"; the drying temperature bounds
// the profile temperatures (Fast from below, Step from above).
class CurrentSettingsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit CurrentSettingsPanel(QWidget* parent = nullptr);
    ~CurrentSettingsPanel() override;

    // Disables every editor for good.
    void setReadOnly();
    void setSettings(const DryingSettings& settings);
    DryingSettings settings() const;
    void applyProfileIndex();
    DryingProfile::Type currentProfile() const;
    void passTemperatureToProfile(int temperature);

private slots:
    void onProfileIndexChanged(int index);
    void onWorkModeIndexChanged(int index);
    void onTempChange(int temp);

protected:
    void changeEvent(QEvent* event) override;

private:
    struct EditorPlace
    {
        // Null for a profile without values of its own.
        ProfileEditor* editor;
        int panelMinimumHeight;
    };
    EditorPlace placeOf(DryingProfile::Type profile) const;

    Ui::CurrentSettingsPanel* ui;
};
