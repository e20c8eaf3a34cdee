#pragma once

#include <QTime>

#include "ui/VornAbstractDialog.h"

namespace Ui {
class TimeComboBoxDialog;
}

// Hour, minute and second lists for a time value, in 24- or 12-hour mode;
// texts use the form "hh:mm:ss".
class TimeComboBoxDialog : public VornAbstractDialog
{
    Q_OBJECT

public:
    explicit TimeComboBoxDialog(bool twelveHourMode = false, QWidget* parent = nullptr);
    ~TimeComboBoxDialog() override;

    QString text() const override;
    bool isConfirmed() const override;
    void setText(const QString& text) override;
    QVariant value() const override;
    void setValue(const QVariant& value) override;

    void setHour(int hour);
    void setMinute(int minute);
    void setSecond(int second);
    int hour() const;
    int minute() const;
    int second() const;
    QTime time() const;
    void setTime(const QTime& time);
    bool isPm() const { return m_pm; }

public slots:
    void setPm(bool pm);
    void togglePm();
    void setNow();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showPm();

    Ui::TimeComboBoxDialog* m_ui;
    bool m_pm = false;
    bool m_twelveHourMode;
};
