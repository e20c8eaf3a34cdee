#pragma once

#include <QDialog>

namespace Ui {
class TutorialDialog;
}

// Picture guide to connecting the analyzer over RS232, USB or Ethernet; the
// combo box chooses the page.
class TutorialDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TutorialDialog(QWidget* parent = nullptr);
    ~TutorialDialog() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::TutorialDialog* m_ui;
};
