#pragma once

#include "settings/ProfileEditor.h"

#include <QTime>

namespace Ui {
class SlowProfile;
}

// The slow profile's time (at most 10 minutes).
class SlowProfile : public ProfileEditor
{
    Q_OBJECT

public:
    explicit SlowProfile(QWidget* parent = nullptr);
    ~SlowProfile() override;

    void setTime(const QTime& time);
    QTime time() const;
    void setReadOnly() override;
    void showValues(const DryingSettings& settings) override;
    void readValues(DryingSettings& settings) const override;

private:
    Ui::SlowProfile* ui;
};
