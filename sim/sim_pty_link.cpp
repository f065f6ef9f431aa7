// Pseudo-terminal serial line.
#include "sim_pty_link.h"

#include "sim/sim_log.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

SimPtyLink::SimPtyLink(SimInterpreter &interpreter, const SimFaults &faults, SimLog &log,
                       QObject *parent)
    : QObject(parent)
    , m_interpreter(interpreter)
    , m_faults(faults)
    , m_log(log)
{ }

SimPtyLink::~SimPtyLink()
{
    closePty();
    // Remove the symlink only while it still points at our line.
    if (!m_linkPath.isEmpty() && QFileInfo(m_linkPath).isSymLink()
        && QFile::symLinkTarget(m_linkPath) == m_slavePath)
        QFile::remove(m_linkPath);
}

bool SimPtyLink::open(const QString &linkPath, QString *error)
{
    if (!linkPath.isEmpty()) {
        const QFileInfo info(linkPath);
        if (info.exists() && !info.isSymLink()) {
            *error = linkPath + " exists and is not a symlink";
            return false;
        }
        m_linkPath = info.absoluteFilePath();
    }
    return openPty(error);
}

bool SimPtyLink::openPty(QString *error)
{
    char name[PATH_MAX] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        *error = QString("openpty failed: %1").arg(qt_error_string(errno));
        return false;
    }
    // Raw slave: a cooked one would echo the commands back and turn CR into LF.
    termios tio {};
    if (::tcgetattr(m_slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(m_slave, TCSANOW, &tio);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    m_slavePath = QString::fromLocal8Bit(name);

    if (!m_linkPath.isEmpty()) {
        QFile::remove(m_linkPath); // a stale link from an earlier run or line
        if (!QFile::link(m_slavePath, m_linkPath)) {
            *error = "cannot create the symlink " + m_linkPath;
            closePty();
            return false;
        }
    }
    m_session = new SimSession(m_interpreter, m_faults, m_log, *this, this);
    m_readNotifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
    connect(m_readNotifier.get(), &QSocketNotifier::activated, this, &SimPtyLink::readMaster);
    m_writeNotifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Write);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier.get(), &QSocketNotifier::activated, this, &SimPtyLink::writePending);
    m_log.event("pty " + m_slavePath.toLocal8Bit() + " open");
    return true;
}

void SimPtyLink::closePty()
{
    m_readNotifier.reset();
    m_writeNotifier.reset();
    if (m_session) {
        m_session->deleteLater();
        m_session = nullptr;
    }
    m_unsent.clear();
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
    m_master = m_slave = -1;
}

void SimPtyLink::readMaster()
{
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n > 0) {
            m_session->receive(QByteArray(buf, static_cast<int>(n)));
            if (m_master < 0 || !m_session)
                return;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        // Not expected while we hold the slave open; start over rather than spin.
        m_log.event("pty read failed, reopening");
        hangUp();
        return;
    }
}

void SimPtyLink::send(const QByteArray &bytes)
{
    if (m_unsent.size() + bytes.size() > MaxUnsentBytes) {
        m_log.event("pty output not read: output dropped");
        return;
    }
    m_unsent += bytes;
    writePending();
}

void SimPtyLink::writePending()
{
    while (!m_unsent.isEmpty() && m_master >= 0) {
        const ssize_t n = ::write(m_master, m_unsent.constData(), m_unsent.size());
        if (n > 0) {
            m_unsent.remove(0, static_cast<int>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break; // full (nobody reads the slave) or failed: wait for room
    }
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(!m_unsent.isEmpty());
}

void SimPtyLink::hangUp()
{
    // Closing the master discards what the peer has not read yet, so the last reply would
    // be lost: wait until the line has drained (or a second has passed). The kernel hands
    // written bytes to the slave side asynchronously, so the first look comes after a pause.
    m_hangUpClock.start();
    QTimer::singleShot(50, this, &SimPtyLink::hangUpWhenDrained);
}

void SimPtyLink::hangUpWhenDrained()
{
    int unread = 0;
    if (m_slave >= 0 && ::ioctl(m_slave, FIONREAD, &unread) != 0)
        unread = 0;
    if ((unread > 0 || !m_unsent.isEmpty()) && m_hangUpClock.elapsed() < 1000) {
        QTimer::singleShot(10, this, &SimPtyLink::hangUpWhenDrained);
        return;
    }
    closePty();
    QString error;
    if (!openPty(&error)) {
        m_log.event("pty reopen failed: " + error.toLocal8Bit());
        return;
    }
    emit reopened(m_slavePath);
}
