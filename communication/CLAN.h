#pragma once

#include "communication/CInterface.h"

#include <QHostAddress>
#include <QTcpSocket>

// A TCP connection that we open to the device's network module.
class CLAN : public CInterface
{
    Q_OBJECT

public:
    CLAN(const QHostAddress& address, int port, QObject* parent = nullptr);

    // Binds to a local address (any port) before connecting.
    void bind(const QHostAddress& local);
    QHostAddress address() const { return m_address; }
    int port() const { return m_port; }

    void setConnectTimeout(int ms) { m_connectTimeout = ms; }
    void setCloseTimeout(int ms) { m_closeTimeout = ms; }

    CInterface* clone(QObject* parent) override;
    bool open() override;
    bool writeLine(QString text) override;
    bool writeBytes(QByteArray bytes) override;
    int readAllBytes(QByteArray& bytes) override;
    bool waitAndReadText(QString& text, int ms) override;
    bool close() override;
    int readText(QString& text) override;
    void discardInput() override;
    bool waitForReadyRead(int ms) override;
    QString description() override;

private slots:
    void onSocketDisconnected();

private:
    QTcpSocket m_socket;
    QHostAddress m_address;
    QHostAddress m_localAddress;
    int m_port;
    int m_connectTimeout = 3000;
    int m_closeTimeout = 30000;
};
