#pragma once

#include <QObject>
#include <QString>

namespace Common {
namespace Communication {

// One exchange with a device: the text to write and the judgement of each
// reply line. A command only sets its own flags; the engine reports them.
class Command : public QObject
{
    Q_OBJECT

public:
    // Completion status used everywhere.
    enum Status { StatusOk = 1, StatusFailed = 2, StatusTimedOut = 3 };

    explicit Command(QObject* parent = nullptr);

    // A line without its CR LF; true when this command consumed it.
    virtual bool handleLine(QString line) = 0;
    // The complete text to write, CR LF included.
    virtual QString text() = 0;
    virtual void onSent();
    // Makes a finished command runnable again; ok keeps its value.
    virtual void reset();
    // When true, every consumed line that does not finish the command
    // restarts the engine's reply timer.
    virtual bool restartTimerOnLine();

    bool isFinished() const { return m_finished; }
    bool isOk() const { return m_ok; }
    void setFinished() { m_finished = true; }
    void setFailed();
    int status() const { return m_ok ? StatusOk : StatusFailed; }

private:
    bool m_finished = false;
    bool m_ok = true;
};

} // namespace Communication
} // namespace Common
