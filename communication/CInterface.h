#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QAbstractSocket;
class QIODevice;
class QTextDecoder;

// The byte pipe to one device. The command engine reads and writes it
// without knowing which transport it is.
class CInterface : public QObject
{
    Q_OBJECT

public:
    enum State { Connected = 1, Disconnected = 2, Listening = 3 };
    // One read takes at most this many bytes.
    static constexpr int kReadChunk = 10000;

    explicit CInterface(QObject* parent = nullptr);
    ~CInterface() override;

    int state() const { return m_state; }
    void setState(int state);

    // A new, unopened transport with the same settings.
    virtual CInterface* clone(QObject* parent) = 0;
    virtual bool open() = 0;
    // Writes the text's whole UTF-8 encoding.
    virtual bool writeLine(QString text) = 0;
    virtual bool writeBytes(QByteArray bytes) = 0;
    virtual int readAllBytes(QByteArray& bytes) = 0;
    virtual bool waitAndReadText(QString& text, int ms) = 0;
    virtual bool close() = 0;
    // Reads at most kReadChunk bytes; the text ends at the first zero byte.
    // Returns the number of bytes read, so 0 means nothing was left.
    virtual int readText(QString& text) = 0;
    virtual void discardInput() = 0;
    virtual bool waitForReadyRead(int ms) = 0;
    // The one-line name used in the communication log.
    virtual QString description() = 0;

signals:
    void readyRead();
    void stateChanged(int state);

protected:
    // Stores the state and always emits it: opening twice in a row must
    // report each outcome.
    void reportState(int state);
    int readTextFrom(QIODevice& device, QString& text);
    // Turns `count` bytes just read into text, up to the first zero byte.
    void decodeChunk(const char* data, int count, QString& text);
    int readBytesFrom(QIODevice& device, QByteArray& bytes);
    bool waitAndReadTextFrom(QIODevice& device, QString& text, int ms);
    // False unless the socket is connected and took every byte.
    static bool writeToSocket(QAbstractSocket& socket, const QByteArray& bytes);
    // A new decoder, so a character split by the previous connection's last
    // read does not spoil the first text of the next.
    void resetDecoder();

private:
    int m_state = Disconnected;
    // Keeps a character whose UTF-8 bytes arrive in two reads whole.
    std::unique_ptr<QTextDecoder> m_decoder;
};

// "Connected", "Disconnected", "Listenning" or "Unknown".
QString interfaceStateName(int state);
