#pragma once

#include "settings/DryingSettings.h"

#include <QWidget>

// The editor of one drying profile's own values in the current-settings panel.
class ProfileEditor : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual void showValues(const DryingSettings& settings) = 0;
    virtual void readValues(DryingSettings& settings) const = 0;
    // Disables every editor for good.
    virtual void setReadOnly() = 0;
    // Some profiles keep their temperatures on one side of the drying temperature.
    virtual void setDryingTemperature(int temperature) { }
};
