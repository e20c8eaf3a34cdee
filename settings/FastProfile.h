#pragma once

#include <QWidget>

#include <QTime>

namespace Ui {
class FastProfile;
}

// The fast profile's time and temperature. The temperature is never below the
// drying temperature, which the panel passes as its minimum.
class FastProfile : public QWidget
{
    Q_OBJECT

public:
    explicit FastProfile(QWidget* parent = nullptr);
    ~FastProfile() override;

    void setValues(const QTime& time, int temperature);
    QTime time() const;
    int temperature() const;
    void setReadOnly();
    void setMinimumTemperature(int temperature);

private:
    Ui::FastProfile* ui;
};
