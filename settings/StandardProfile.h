#pragma once

#include <QWidget>

namespace Ui {
class StandardProfile;
}

// Picture of the standard profile; also shown for the profile Spec.
class StandardProfile : public QWidget
{
    Q_OBJECT

public:
    explicit StandardProfile(QWidget* parent = nullptr);
    ~StandardProfile() override;

private:
    Ui::StandardProfile* ui;
};
