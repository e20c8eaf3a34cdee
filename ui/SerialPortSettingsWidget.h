#pragma once

#include <QScopedPointer>
#include <QVector>
#include <QWidget>

namespace Ui {
class SerialPortSettingsWidget;
}

// Port and baud rate of a serial connection that the user sets by hand.
class SerialPortSettingsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SerialPortSettingsWidget(QWidget* parent = nullptr);
    ~SerialPortSettingsWidget() override;

    void refreshPorts();
    QString portName() const;
    int baudRate() const;
    void setBaudEnabled(bool enabled);

public slots:
    void refreshClicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    QScopedPointer<Ui::SerialPortSettingsWidget> m_ui;
    const QVector<int> m_baudRates{1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
};
