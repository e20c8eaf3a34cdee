#pragma once

#include "communication/CInterface.h"

#include <QSerialPort>

// A serial port: 8 data bits, no parity, 1 stop bit, no flow control.
class CRS232 : public CInterface
{
    Q_OBJECT

public:
    CRS232(const QString& portName, int baudRate, const QString& description,
           QObject* parent = nullptr);

    QString portName() const { return m_port.portName(); }
    int baudRate() const { return m_port.baudRate(); }
    QString portDescription() const { return m_description; }
    // Both directions; the firmware upload switches rates on an open port.
    void setBaudRate(int baudRate);

    CInterface* clone(QObject* parent) override;
    bool open() override;
    bool writeLine(QString text) override;
    bool writeBytes(QByteArray bytes) override;
    // Everything available, zero bytes included.
    int readAllBytes(QByteArray& bytes) override;
    // Serial replies are read through readyRead() only.
    bool waitAndReadText(QString& text, int ms) override;
    bool close() override;
    int readText(QString& text) override;
    void discardInput() override;
    bool waitForReadyRead(int ms) override;
    QString description() override;

private slots:
    void onPortError(QSerialPort::SerialPortError error);

private:
    QSerialPort m_port;
    QString m_description;
};
