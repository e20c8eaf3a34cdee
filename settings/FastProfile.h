#pragma once

#include "settings/ProfileEditor.h"

#include <QTime>

namespace Ui {
class FastProfile;
}

// The fast profile's time and temperature. The temperature is never below the
// drying temperature, which the panel passes as its minimum.
class FastProfile : public ProfileEditor
{
    Q_OBJECT

public:
    explicit FastProfile(QWidget* parent = nullptr);
    ~FastProfile() override;

    void setValues(const QTime& time, int temperature);
    QTime time() const;
    int temperature() const;
    void setReadOnly() override;
    void showValues(const DryingSettings& settings) override;
    void readValues(DryingSettings& settings) const override;
    // The fast temperature is never below it.
    void setDryingTemperature(int temperature) override;

    void setMinimumTemperature(int temperature);

private:
    Ui::FastProfile* ui;
};
