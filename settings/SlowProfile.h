#pragma once

#include <QWidget>

#include <QTime>

namespace Ui {
class SlowProfile;
}

// The slow profile's time (at most 10 minutes).
class SlowProfile : public QWidget
{
    Q_OBJECT

public:
    explicit SlowProfile(QWidget* parent = nullptr);
    ~SlowProfile() override;

    void setTime(const QTime& time);
    QTime time() const;
    void setReadOnly();

private:
    Ui::SlowProfile* ui;
};
