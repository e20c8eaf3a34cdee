#include "tests/support/SimulatorPtyLink.h"

#include "tests/support/AnalyzerSimulator.h"

#include <QSocketNotifier>

#include <cerrno>
#include <unistd.h>

SimulatorPtyLink::SimulatorPtyLink(AnalyzerSimulator* simulator, QObject* parent)
    : QObject(parent), m_simulator(simulator)
{
    connect(simulator, &AnalyzerSimulator::bytesOut, this, &SimulatorPtyLink::write);
}

bool SimulatorPtyLink::open()
{
    delete m_notifier;
    delete m_writable;
    m_notifier = m_writable = nullptr;
    m_pending.clear();
    if (!m_pty.open())
        return false;
    m_notifier = new QSocketNotifier(m_pty.masterFd(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SimulatorPtyLink::onReadable);
    m_writable = new QSocketNotifier(m_pty.masterFd(), QSocketNotifier::Write, this);
    m_writable->setEnabled(false);
    connect(m_writable, &QSocketNotifier::activated, this, &SimulatorPtyLink::writePending);
    return true;
}

void SimulatorPtyLink::close()
{
    delete m_notifier;
    delete m_writable;
    m_notifier = m_writable = nullptr;
    m_pending.clear();
    m_pty.close();
}

void SimulatorPtyLink::onReadable()
{
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(m_pty.masterFd(), buffer, sizeof buffer);
        if (count > 0) {
            if (m_onlyBaudRate == 0 || m_pty.slaveBaudRate() == m_onlyBaudRate)
                m_simulator->receiveBytes(QByteArray(buffer, int(count)));
            continue;
        }
        // EIO: no one holds the slave open; stop listening until it does.
        if (count < 0 && errno == EIO)
            m_notifier->setEnabled(false);
        return;
    }
}

void SimulatorPtyLink::write(const QByteArray& bytes)
{
    if (!m_pty.isOpen())
        return;
    m_pending += bytes;
    writePending();
}

void SimulatorPtyLink::writePending()
{
    while (!m_pending.isEmpty()) {
        const ssize_t count =
            ::write(m_pty.masterFd(), m_pending.constData(), size_t(m_pending.size()));
        if (count <= 0)
            break;
        m_pending.remove(0, int(count));
    }
    if (m_pending.isEmpty() || errno == EAGAIN)
        m_writable->setEnabled(!m_pending.isEmpty());
    else
        m_pending.clear(); // the pair is gone
}
