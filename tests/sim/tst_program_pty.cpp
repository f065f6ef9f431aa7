// The real korvane-sim on a pseudo-terminal: round trip through the symlink, state shared
// with TCP, hang-up and reopen, and the symlink's life.
#include "sim_wire.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {
// Opens a serial line the way a terminal program would: raw, no controlling terminal.
int openLine(const QString &path)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    termios tio {};
    ::tcgetattr(fd, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(fd, TCSANOW, &tio);
    return fd;
}

struct Fd
{
    int fd;
    explicit Fd(int f)
        : fd(f)
    { }
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
    bool write(const QByteArray &b) const
    {
        return ::write(fd, b.constData(), b.size()) == b.size();
    }
};
} // namespace

class TestProgramPty : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_throughTheSymlink()
    {
        SimDevice sim;
        const QString link = sim.dir() + "/ttyKORVANE";
        QVERIFY2(sim.start({"--no-tcp", "--pty-link", link, "--model", "Corvo"}),
                 qPrintable(sim.error()));
        QVERIFY(sim.ptyPath().startsWith("/dev/pts/"));
        QCOMPARE(QFile::symLinkTarget(link), sim.ptyPath());

        Fd line(openLine(link));
        QVERIFY(line.fd >= 0);
        LineReader reader;
        QVERIFY(line.write("GET MODEL TYPE\r"));
        QCOMPARE(reader.readLine(line.fd), QByteArray("MODEL TYPE Corvo"));
        QVERIFY(line.write("GET OUT 4K-AUTO\r"));
        QCOMPARE(reader.readLine(line.fd), QByteArray("ERR 03"));
        QTRY_VERIFY_WITH_TIMEOUT(sim.logText().contains(" TX ERR 03\n"), 5000);
        QVERIFY(sim.logText().contains(" RX GET MODEL TYPE\n"));

        sim.stop();
        QVERIFY(!QFileInfo(link).isSymLink());
    }

    void faults_applyOnTheSerialLineToo()
    {
        SimDevice sim;
        QVERIFY(sim.start(
            {"--no-tcp", "--pty", "--line-end", "crlf", "--chunk", "2", "--chunk-delay", "1"}));
        Fd line(openLine(sim.ptyPath()));
        QVERIFY(line.write("GET OUT ITC\r"));
        LineReader reader;
        QCOMPARE(reader.readLine(line.fd), QByteArray("OUT ITC OFF"));
        QTRY_COMPARE_WITH_TIMEOUT((reader.readLine(line.fd, 100), reader.buffer()),
                                  QByteArray("\n"), 3000);
    }

    void tcpAndPty_serveOneDevice()
    {
        SimDevice sim;
        QVERIFY(sim.start({"--port", "0", "--pty"}));
        QTcpSocket client;
        QVERIFY(ConnectTo(client, sim.tcpPort()));
        client.write("SET MULTIVIEW 3xWIN\r");
        LineReader tcp;
        QCOMPARE(tcp.readLine(client), QByteArray("MULTIVIEW 3xWIN"));

        Fd line(openLine(sim.ptyPath()));
        LineReader serial;
        QVERIFY(line.write("GET MULTIVIEW-SYNC\r"));
        QCOMPARE(serial.readLine(line.fd),
                 QByteArray("MULTIVIEW-SYNC 3xWIN HDMI1 HDMI2 HDMI3 NULL FULL 1 4"));
    }

    void disconnectAfter_hangsUpAndReopensBehindTheLink()
    {
        SimDevice sim;
        const QString link = sim.dir() + "/ttyKORVANE";
        QVERIFY(sim.start({"--no-tcp", "--pty-link", link, "--disconnect-after", "1"}));
        const QString first = sim.ptyPath();
        {
            Fd line(openLine(link));
            LineReader reader;
            QVERIFY(line.write("GET BAUDRATE\r"));
            QCOMPARE(reader.readLine(line.fd), QByteArray("BAUDRATE 9600"));
        }
        QTRY_VERIFY_WITH_TIMEOUT(sim.output().count("korvane-sim: pty ") == 2, 5000);
        const QString second = QFile::symLinkTarget(link);
        QVERIFY(second.startsWith("/dev/pts/"));
        QVERIFY(second != first || sim.logText().contains("hang-up"));

        Fd line(openLine(link));
        LineReader reader;
        QVERIFY(line.write("GET BAUDRATE\r"));
        QCOMPARE(reader.readLine(line.fd), QByteArray("BAUDRATE 9600"));
    }

    void staleSymlink_isReplaced_butAFileIsNot()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath("tty");
        QVERIFY(QFile::link("/nonexistent/pts/99", link));
        {
            SimDevice sim;
            QVERIFY(sim.start({"--no-tcp", "--pty-link", link}));
            QCOMPARE(QFile::symLinkTarget(link), sim.ptyPath());
        }
        QVERIFY(!QFileInfo(link).isSymLink());

        QFile plain(link);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write("keep me");
        plain.close();
        SimDevice sim;
        QVERIFY(!sim.start({"--no-tcp", "--pty-link", link}));
        QVERIFY(sim.output().contains("not a symlink"));
        QVERIFY(plain.open(QIODevice::ReadOnly));
        QCOMPARE(plain.readAll(), QByteArray("keep me"));
    }
};

QTEST_GUILESS_MAIN(TestProgramPty)
#include "tst_program_pty.moc"
