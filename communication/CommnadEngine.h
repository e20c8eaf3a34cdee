#pragma once

#include "communication/ILineReceiver.h"
#include "communication/LineSplitter.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class CInterface;

namespace Common {
namespace Communication {

class Command;
class ILineHandler;
class ILogger;

// Runs one command at a time over one transport: writes its line, rewrites
// it twice on silence, cuts the received text into lines and offers each to
// the running command, then to the line handler. Logs every chunk.
class CommnadEngine : public QObject, public Common::ILineReceiver
{
    Q_OBJECT

public:
    enum ExecuteResult { NoInterface = 0, Busy = 1, WriteFailed = 2, Written = 3 };
    static constexpr int kDefaultTimeout = 2000;
    // An unfinished line longer than this is dropped: a device at the wrong
    // baud rate sends endless garbage without CR LF.
    static constexpr int kDefaultMaxLineLength = 64 * 1024;

    explicit CommnadEngine(QObject* parent = nullptr);
    ~CommnadEngine() override;

    void setInterface(CInterface* interface);
    CInterface* interface() const { return m_interface; }
    void setLineHandler(ILineHandler* handler) { m_lineHandler = handler; }
    void setLogger(ILogger* logger) { m_logger = logger; }
    ILogger* logger() const { return m_logger; }
    void setMaxLineLength(int chars) { m_maxLineLength = chars; }

    bool openInterface();
    void closeInterface();
    void stopReading();
    void resumeReading();

    Command* takeCommand();
    // A negative time-out means kDefaultTimeout.
    int execute(Command* command, bool* accepted, int timeoutMs);
    // Writes a text without a reply time-out, beside any running command.
    bool sendRaw(QString text);

    void onLine(QString line) override;

signals:
    void commandFinished(int status);
    void receivedSomething();
    void interfaceReady();
    void interfaceFailed();

public slots:
    void onIfaceReadyRead();
    void onTimeoutTimer();
    void onInterfaceStateChange(int state);

private:
    bool send(const QString& text, int timeoutMs);
    bool commandRunning() const;

    Command* m_command = nullptr;
    ILineHandler* m_lineHandler = nullptr;
    bool m_timedOut = false;
    int m_rewrites = 0;
    int m_rewriteLimit = 2;
    QString m_lastText;
    QString m_buffer;
    ILogger* m_logger = nullptr;
    QPointer<CInterface> m_interface;
    QTimer m_timer;
    int m_timeout = 0;
    int m_maxLineLength = kDefaultMaxLineLength;
    bool m_skipNextLine = false; // the tail of a dropped overlong line
    LineSplitter m_splitter;
};

} // namespace Communication
} // namespace Common
