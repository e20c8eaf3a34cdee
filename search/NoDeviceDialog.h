#pragma once

#include "search/TutorialDialog.h"

#include <QDialog>

namespace Ui {
class NoDeviceDialog;
}

// Says that a search found nothing; Help opens the connection tutorial.
class NoDeviceDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NoDeviceDialog(QWidget* parent = nullptr);
    ~NoDeviceDialog() override;

    TutorialDialog* tutorial() { return &m_tutorial; }

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::NoDeviceDialog* m_ui;
    TutorialDialog m_tutorial;
};
