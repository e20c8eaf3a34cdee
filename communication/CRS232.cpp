#include "communication/CRS232.h"
#include <QDebug>

CRS232::CRS232(const QString& portName, int baudRate, const QString& description, QObject* parent)
    : CInterface(parent), m_port(this), m_description(description)
{
    m_port.setPortName(portName);
    m_port.setBaudRate(baudRate);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    connect(&m_port, &QSerialPort::readyRead, this, &CInterface::readyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &CRS232::onPortError);
}

void CRS232::onPortError(QSerialPort::SerialPortError error)
{
    // An unplugged adapter (a hung-up line reads as ReadError): without
    // this the connection would look alive, and the port would keep
    // signalling the failed read.
    if ((error != QSerialPort::ResourceError && error != QSerialPort::ReadError)
        || !m_port.isOpen())
        return;
    qDebug() << Q_FUNC_INFO << m_port.portName() << error;
    m_port.close();
    reportState(Disconnected);
}

void CRS232::setBaudRate(int baudRate) { m_port.setBaudRate(baudRate); }

CInterface* CRS232::clone(QObject* parent)
{
    return new CRS232(portName(), baudRate(), m_description, parent);
}

bool CRS232::open()
{
    // A second open of an open port would fail and report it disconnected.
    const bool opened = m_port.isOpen() || (resetDecoder(), m_port.open(QIODevice::ReadWrite));
    reportState(opened ? Connected : Disconnected);
    return opened;
}

bool CRS232::writeLine(QString text) { return writeBytes(text.toUtf8()); }

bool CRS232::writeBytes(QByteArray bytes) { return m_port.write(bytes) == bytes.size(); }

int CRS232::readAllBytes(QByteArray& bytes)
{
    bytes = m_port.readAll();
    return bytes.size();
}

bool CRS232::waitAndReadText(QString&, int) { return false; }

bool CRS232::close()
{
    m_port.close();
    reportState(Disconnected);
    return true;
}

int CRS232::readText(QString& text) { return readTextFrom(m_port, text); }

void CRS232::discardInput() { m_port.readAll(); }

bool CRS232::waitForReadyRead(int ms)
{
    const bool ready = m_port.waitForReadyRead(ms);
    if (!ready)
        m_port.clearError(); // a time-out would stick and spoil later reads
    return ready;
}

QString CRS232::description()
{
    return QStringLiteral("%1 (%2,%3)").arg(portName(), m_description).arg(baudRate());
}
