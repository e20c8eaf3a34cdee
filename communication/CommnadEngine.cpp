#include "communication/CommnadEngine.h"

#include "communication/CInterface.h"
#include "communication/Command.h"
#include "communication/ILineHandler.h"
#include "communication/ILogger.h"

#include <QDateTime>
#include <QDebug>

namespace Common {
namespace Communication {

CommnadEngine::CommnadEngine(QObject* parent) : QObject(parent), m_timer(this), m_splitter(this)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer); // coarse timers may fire 5 % early
    connect(&m_timer, &QTimer::timeout, this, &CommnadEngine::onTimeoutTimer);
}

CommnadEngine::~CommnadEngine() { m_timer.stop(); }

void CommnadEngine::setInterface(CInterface* interface)
{
    if (interface == m_interface)
        return; // releasing it would delete the one being set
    if (m_interface) {
        m_interface->disconnect(this);
        m_interface->deleteLater();
    }
    m_interface = interface;
    m_buffer.clear();
    m_skipNextLine = false;
    if (!interface)
        return;
    interface->setParent(this);
    connect(interface, &CInterface::stateChanged, this, &CommnadEngine::onInterfaceStateChange);
    connect(interface, &CInterface::readyRead, this, &CommnadEngine::onIfaceReadyRead);
}

bool CommnadEngine::openInterface()
{
    // A new connection does not finish a line the last one left unfinished.
    m_buffer.clear();
    m_skipNextLine = false;
    return m_interface && m_interface->open();
}

void CommnadEngine::closeInterface()
{
    if (m_interface)
        m_interface->close();
}

void CommnadEngine::stopReading()
{
    if (m_interface)
        disconnect(m_interface, &CInterface::readyRead, this, &CommnadEngine::onIfaceReadyRead);
}

void CommnadEngine::resumeReading()
{
    if (m_interface)
        connect(m_interface, &CInterface::readyRead, this, &CommnadEngine::onIfaceReadyRead,
                Qt::UniqueConnection);
}

Command* CommnadEngine::takeCommand()
{
    Command* command = m_command;
    m_command = nullptr;
    return command;
}

bool CommnadEngine::commandRunning() const
{
    return m_command && !m_command->isFinished() && !m_timedOut;
}

int CommnadEngine::execute(Command* command, bool* accepted, int timeoutMs)
{
    if (accepted)
        *accepted = false;
    if (!m_interface)
        return NoInterface;
    if (commandRunning())
        return Busy;
    m_command = command;
    command->setParent(this);
    if (accepted)
        *accepted = true;
    // Whatever the previous command left armed belongs to it, not to this one.
    m_timer.stop();
    m_timedOut = false;
    m_lastText = command->text();
    m_rewrites = 0;
    m_rewriteLimit = 2;
    if (!send(m_lastText, timeoutMs < 0 ? kDefaultTimeout : timeoutMs))
        return WriteFailed;
    command->onSent();
    if (command->isFinished())
        emit commandFinished(command->status());
    return Written;
}

bool CommnadEngine::sendRaw(QString text) { return send(text, 0); }

bool CommnadEngine::send(const QString& text, int timeoutMs)
{
    if (!m_interface || !m_interface->writeLine(text))
        return false;
    if (timeoutMs > 0) {
        m_timedOut = false;
        m_timer.start(timeoutMs);
        m_timeout = timeoutMs;
    }
    if (m_logger)
        m_logger->sent(m_interface->description(), QDateTime::currentDateTime(), text);
    return true;
}

void CommnadEngine::onTimeoutTimer()
{
    if (!commandRunning())
        return;
    if (m_rewrites < m_rewriteLimit) {
        ++m_rewrites;
        if (!send(m_lastText, m_timeout)) {
            // Reported as failed, so it is failed: a late reply must not
            // finish it a second time.
            m_command->setFailed();
            emit commandFinished(Command::StatusFailed);
        }
        return;
    }
    m_timedOut = true;
    m_command->setFinished();
    emit commandFinished(Command::StatusTimedOut);
}

void CommnadEngine::onIfaceReadyRead()
{
    // Read until nothing is left: a backlog beyond one read would otherwise
    // wait for the device's next byte.
    QString chunk;
    QString description;
    while (m_interface && m_interface->readText(chunk) > 0) {
        if (m_logger) {
            if (description.isNull())
                description = m_interface->description();
            m_logger->received(description, QDateTime::currentDateTime(), chunk);
        }
        m_buffer += chunk;
        // A line end needs an LF, so a chunk without one finishes no line.
        if (chunk.contains(QLatin1Char('\n')))
            m_splitter.process(m_buffer);
        if (m_buffer.size() > m_maxLineLength) {
            qDebug() << Q_FUNC_INFO << "dropped" << m_buffer.size()
                     << "characters received without a line end";
            // Keep a trailing CR: with the next LF it ends the dropped line.
            const bool endsWithCr = m_buffer.endsWith(QLatin1Char('\r'));
            m_buffer = endsWithCr ? QStringLiteral("\r") : QString();
            m_skipNextLine = true;
        }
        emit receivedSomething();
    }
}

void CommnadEngine::onLine(QString line)
{
    if (m_skipNextLine) {
        m_skipNextLine = false;
        return;
    }
    if (commandRunning()) {
        Command* command = m_command;
        const bool consumed = command->handleLine(line);
        if (command->isFinished()) {
            // Finished by this line, or failed on it: either way the line
            // goes nowhere else.
            m_timer.stop();
            emit commandFinished(command->status());
            return;
        }
        if (consumed) {
            if (command->restartTimerOnLine() && m_timer.isActive())
                m_timer.start(m_timeout);
            return;
        }
    }
    if (m_lineHandler)
        m_lineHandler->handleLine(line);
}

void CommnadEngine::onInterfaceStateChange(int state)
{
    if (state == CInterface::Connected)
        emit interfaceReady();
    else if (state == CInterface::Disconnected)
        emit interfaceFailed();
}

} // namespace Communication
} // namespace Common
