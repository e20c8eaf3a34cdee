#include "communication/CInterface.h"

#include <QAbstractSocket>
#include <QTextCodec>
#include <QTextDecoder>

CInterface::CInterface(QObject* parent) : QObject(parent) { resetDecoder(); }

CInterface::~CInterface() = default;

void CInterface::setState(int state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void CInterface::reportState(int state)
{
    m_state = state;
    emit stateChanged(state);
}

int CInterface::readTextFrom(QIODevice& device, QString& text)
{
    char buffer[kReadChunk];
    const qint64 count = device.read(buffer, kReadChunk);
    if (count <= 0) {
        text.clear();
        return 0;
    }
    decodeChunk(buffer, int(count), text);
    return int(count);
}

void CInterface::decodeChunk(const char* data, int count, QString& text)
{
    const char* zero = static_cast<const char*>(memchr(data, 0, size_t(count)));
    text = m_decoder->toUnicode(data, int(zero ? zero - data : count));
}

int CInterface::readBytesFrom(QIODevice& device, QByteArray& bytes)
{
    char buffer[kReadChunk];
    const qint64 count = device.read(buffer, kReadChunk);
    if (count <= 0) {
        bytes.clear();
        return 0;
    }
    const char* zero = static_cast<const char*>(memchr(buffer, 0, size_t(count)));
    bytes = QByteArray(buffer, int(zero ? zero - buffer : count));
    return int(count);
}

bool CInterface::waitAndReadTextFrom(QIODevice& device, QString& text, int ms)
{
    if (device.bytesAvailable() <= 0 && !device.waitForReadyRead(ms))
        return false;
    return readTextFrom(device, text) > 0;
}

bool CInterface::writeToSocket(QAbstractSocket& socket, const QByteArray& bytes)
{
    return socket.state() == QAbstractSocket::ConnectedState && socket.write(bytes) == bytes.size();
}

void CInterface::resetDecoder()
{
    m_decoder.reset(QTextCodec::codecForName("UTF-8")->makeDecoder(QTextCodec::IgnoreHeader));
}

QString interfaceStateName(int state)
{
    switch (state) {
    case CInterface::Connected: return QStringLiteral("Connected");
    case CInterface::Disconnected: return QStringLiteral("Disconnected");
    case CInterface::Listening: return QStringLiteral("Listenning");
    default: return QStringLiteral("Unknown");
    }
}
