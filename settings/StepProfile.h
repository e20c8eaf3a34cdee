#pragma once

#include "settings/ProfileEditor.h"

#include <QTime>

namespace Ui {
class StepProfile;
}

// The step profile's two times and two temperatures. The temperatures never
// exceed the drying temperature, which the panel passes as their maximum.
class StepProfile : public ProfileEditor
{
    Q_OBJECT

public:
    explicit StepProfile(QWidget* parent = nullptr);
    ~StepProfile() override;

    void setValues(const QTime& time1, int temperature1, const QTime& time2, int temperature2);
    QTime time1() const;
    QTime time2() const;
    int temperature1() const;
    int temperature2() const;
    void setReadOnly() override;
    void showValues(const DryingSettings& settings) override;
    void readValues(DryingSettings& settings) const override;
    // The step temperatures never exceed it.
    void setDryingTemperature(int temperature) override;

    void setMaximumTemperature(int temperature);

private:
    Ui::StepProfile* ui;
};
