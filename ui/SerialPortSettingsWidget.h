#pragma once

#include "communication/SystemSerialPortLister.h"

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

    // Not owned; the system's ports unless a test hands in its own.
    void setPortLister(const ISerialPortLister* lister) { m_lister = lister; }
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
    SystemSerialPortLister m_systemPorts;
    const ISerialPortLister* m_lister = &m_systemPorts;
    const QVector<int> m_baudRates{1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
};
