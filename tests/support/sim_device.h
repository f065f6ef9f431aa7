// The device simulator (korvane-sim) as a child process of a simulator or end-to-end test: started
// on loopback with a free TCP port and/or a pseudo-terminal, its output sent to files in a scratch
// folder (so a failing test never leaves a child holding the runner's pipes), stopped in every exit
// path by the destructor, and its wire log read back as the lines it received and sent.
//
//   SimDevice sim;
//   QVERIFY2(sim.start({"--model", "Corvo"}), qPrintable(sim.error()));
//   ... connect the panel to 127.0.0.1:sim.tcpPort() or to sim.ptyPath() ...
//   QVERIFY(sim.waitForReceived(1));
//   QCOMPARE(sim.received(), QStringList {"GET MODEL TYPE"});
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// One line of the simulator's wire log: "<seconds.millis> <kind> <text>".
struct SimLogEntry
{
    double seconds = 0;
    QString kind; // "RX" received, "TX" sent, "DROP" reply withheld, "EV" link event
    QString text; // as logged: bytes outside printable ASCII appear as \xNN
};

// The simulator's process. It also ends when the test process dies without running its
// destructors (a crash, an abort), so that no simulator is ever left behind.
class SimChildProcess : public QProcess
{
protected:
    void setupChildProcess() override;
};

class SimDevice
{
public:
    SimDevice();
    ~SimDevice();
    SimDevice(const SimDevice &) = delete;
    SimDevice &operator=(const SimDevice &) = delete;

    // Starts the simulator with args. TCP listens on 127.0.0.1 with a free port unless args
    // say otherwise (--listen, --port, --no-tcp); the wire log goes to the scratch folder
    // unless args name one. Waits up to 10 s for "korvane-sim: ready"; false with the
    // program's output in error() when it does not come.
    bool start(const QStringList &args = {});
    // Stops the program (terminate, then kill); safe to call at any time.
    void stop();
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }

    quint16 tcpPort() const { return m_port; }
    QString ptyPath() const { return m_ptyPath; } // empty without --pty
    QString error() const { return m_error; }
    QByteArray output() const; // standard output and error so far

    QString dir() const { return m_dir.path(); } // the scratch folder, removed at the end
    QString logPath() const { return m_logPath; }
    QByteArray logText() const; // the wire log as written
    QList<SimLogEntry> log() const;
    QStringList received() const; // texts of the RX lines, in order
    QStringList sent() const; // texts of the TX lines, in order
    QStringList events() const; // texts of the EV lines, in order

    // Waits (running the event loop) until at least count lines were received.
    bool waitForReceived(int count, int timeoutMs = 5000) const;
    // Waits until an EV line contains the text.
    bool waitForEvent(const QString &text, int timeoutMs = 5000) const;

    QProcess &process() { return m_process; }

    static QString executable();

private:
    QStringList ofKind(const char *kind) const;

    QTemporaryDir m_dir;
    SimChildProcess m_process;
    QString m_logPath;
    quint16 m_port = 0;
    QString m_ptyPath;
    QString m_error;
};
