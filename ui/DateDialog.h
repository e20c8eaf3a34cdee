#pragma once

#include "ui/VornAbstractDialog.h"

namespace Ui {
class DateDialog;
}

// Calendar for a date value; texts use the form "dd-MM-yyyy".
class DateDialog : public VornAbstractDialog
{
    Q_OBJECT

public:
    explicit DateDialog(QWidget* parent = nullptr);
    ~DateDialog() override;

    QString text() const override;
    bool isConfirmed() const override;
    void setText(const QString& text) override;
    QVariant value() const override;
    void setValue(const QVariant& value) override;

public slots:
    void todayClicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::DateDialog* m_ui;
};
