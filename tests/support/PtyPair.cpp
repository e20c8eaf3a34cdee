#include "tests/support/PtyPair.h"

#include <QLockFile>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <vector>

PtyPair::~PtyPair() { close(); }

namespace {

// A serial port's lock file names the terminal it locks. A pseudo-terminal
// number can come back while a port closed late (an unplug test, another
// copy of the tests) still holds the lock of the old one: opening the port
// would then fail. A lock whose process has gone does not count.
bool lockedAsSerialPort(const char* path)
{
    const QString name =
        QString::fromLocal8Bit(path).mid(5).replace(QLatin1Char('/'), QLatin1Char('_'));
    for (const char* folder : {"/var/lock/", "/run/lock/"}) {
        qint64 pid = 0;
        if (QLockFile(QLatin1String(folder) + QLatin1String("LCK..") + name)
                .getLockInfo(&pid, nullptr, nullptr)
            && pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM))
            return true;
    }
    return false;
}

} // namespace

bool PtyPair::open()
{
    close();
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    // Pairs passed over stay open until a free number is found, so the
    // system hands out a new one each time.
    std::vector<int> passedOver;
    for (int attempt = 0; attempt < 8; ++attempt) {
        if (openpty(&m_master, &m_slave, name, &raw, nullptr) != 0)
            break;
        if (attempt == 7 || !lockedAsSerialPort(name))
            break;
        passedOver.push_back(m_master);
        passedOver.push_back(m_slave);
        m_master = m_slave = -1;
    }
    for (int fd : passedOver)
        ::close(fd);
    if (m_master < 0) {
        m_master = m_slave = -1;
        return false;
    }
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    fcntl(m_master, F_SETFD, FD_CLOEXEC);
    fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    m_slavePath = QString::fromLocal8Bit(name);
    return true;
}

void PtyPair::close()
{
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
    m_master = m_slave = -1;
    m_slavePath.clear();
}

int PtyPair::slaveBaudRate() const
{
    termios settings{};
    if (m_slave < 0 || tcgetattr(m_slave, &settings) != 0)
        return 0;
    switch (cfgetospeed(&settings)) {
    case B1200: return 1200;
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    default: return 0;
    }
}
