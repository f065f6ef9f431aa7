#include "support/sim_device.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

void SimChildProcess::setupChildProcess()
{
    // Runs in the child between fork and exec.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
}

SimDevice::SimDevice()
{
    m_process.setStandardOutputFile(m_dir.filePath(QStringLiteral("stdout.txt")));
    m_process.setStandardErrorFile(m_dir.filePath(QStringLiteral("stderr.txt")));
}

SimDevice::~SimDevice()
{
    stop();
}

QString SimDevice::executable()
{
    return QStringLiteral(KORVANE_SIM_EXE);
}

bool SimDevice::start(const QStringList &args)
{
    QStringList all = args;
    const bool tcpChosen = all.contains(QStringLiteral("--no-tcp"))
        || all.contains(QStringLiteral("--port")) || all.contains(QStringLiteral("--listen"));
    if (!tcpChosen)
        all << QStringLiteral("--listen") << QStringLiteral("127.0.0.1") << QStringLiteral("--port")
            << QStringLiteral("0");
    const int logArg = all.indexOf(QStringLiteral("--log"));
    if (logArg >= 0 && logArg + 1 < all.size()) {
        m_logPath = all.at(logArg + 1);
    } else {
        m_logPath = m_dir.filePath(QStringLiteral("wire.log"));
        all << QStringLiteral("--log") << m_logPath;
    }
    m_process.start(executable(), all);
    if (!m_process.waitForStarted(5000)) {
        m_error = QStringLiteral("cannot start ") + executable();
        return false;
    }
    // Waits on the child's events (it may exit early), not a fixed sleep.
    QDeadlineTimer deadline(10000);
    while (!output().contains("korvane-sim: ready")) {
        if (m_process.state() == QProcess::NotRunning || deadline.hasExpired()) {
            m_error = QStringLiteral("not ready: ") + QString::fromLocal8Bit(output());
            stop();
            return false;
        }
        m_process.waitForFinished(20);
    }
    const QString text = QString::fromLocal8Bit(output());
    const auto port
        = QRegularExpression(QStringLiteral("korvane-sim: tcp [0-9.]+:(\\d+)")).match(text);
    if (port.hasMatch())
        m_port = static_cast<quint16>(port.captured(1).toUInt());
    const auto pty = QRegularExpression(QStringLiteral("korvane-sim: pty (\\S+)")).match(text);
    if (pty.hasMatch())
        m_ptyPath = pty.captured(1);
    return true;
}

void SimDevice::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QByteArray SimDevice::output() const
{
    QByteArray text;
    for (const char *name : {"stdout.txt", "stderr.txt"}) {
        QFile file(m_dir.filePath(QLatin1String(name)));
        if (file.open(QIODevice::ReadOnly))
            text += file.readAll();
    }
    return text;
}

QByteArray SimDevice::logText() const
{
    QFile file(m_logPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<SimLogEntry> SimDevice::log() const
{
    QList<SimLogEntry> entries;
    const QList<QByteArray> lines = logText().split('\n');
    for (const QByteArray &line : lines) {
        // "<s.mmm> <KIND> <text>"; the text may be empty, a line being written may be cut.
        const int first = line.indexOf(' ');
        const int second = first < 0 ? -1 : line.indexOf(' ', first + 1);
        if (first < 0)
            continue;
        SimLogEntry entry;
        entry.seconds = line.left(first).toDouble();
        entry.kind = QString::fromLatin1(second < 0 ? line.mid(first + 1)
                                                    : line.mid(first + 1, second - first - 1));
        entry.text = second < 0 ? QString() : QString::fromLatin1(line.mid(second + 1));
        entries.append(entry);
    }
    return entries;
}

QStringList SimDevice::ofKind(const char *kind) const
{
    QStringList texts;
    const QList<SimLogEntry> entries = log();
    for (const SimLogEntry &entry : entries) {
        if (entry.kind == QLatin1String(kind))
            texts << entry.text;
    }
    return texts;
}

QStringList SimDevice::received() const
{
    return ofKind("RX");
}

QStringList SimDevice::sent() const
{
    return ofKind("TX");
}

QStringList SimDevice::events() const
{
    return ofKind("EV");
}

bool SimDevice::waitForReceived(int count, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return received().size() >= count; }, timeoutMs);
}

bool SimDevice::waitForEvent(const QString &text, int timeoutMs) const
{
    return QTest::qWaitFor(
        [&] {
            const QStringList all = events();
            for (const QString &event : all) {
                if (event.contains(text))
                    return true;
            }
            return false;
        },
        timeoutMs);
}
