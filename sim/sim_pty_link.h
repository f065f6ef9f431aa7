// The device's serial port, played through a pseudo-terminal: the panel opens the slave
// side (or the stable symlink to it) as its serial port. The simulator keeps its own slave
// descriptor open, so the line stays usable while no client has it open.
#pragma once

#include "sim/sim_session.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <memory>

class SimPtyLink : public QObject, public SimTransport
{
    Q_OBJECT

public:
    // Output waiting for a reader past this much is dropped.
    static constexpr int MaxUnsentBytes = 64 * 1024;

    SimPtyLink(SimInterpreter &interpreter, const SimFaults &faults, SimLog &log,
               QObject *parent = nullptr);
    ~SimPtyLink() override;

    // linkPath: optional symlink to the slave, replaced when it is a stale symlink,
    // refused when it is anything else.
    bool open(const QString &linkPath, QString *error);
    QString slavePath() const { return m_slavePath; }
    QString linkPath() const { return m_linkPath; }

    void send(const QByteArray &bytes) override;
    // A serial line has no connection to end: the pty is closed (the peer sees its port fail)
    // and a new one is opened in its place, behind the same symlink.
    void hangUp() override;

signals:
    void reopened(const QString &slavePath);

private:
    bool openPty(QString *error);
    void closePty();
    void readMaster();
    void writePending();
    void hangUpWhenDrained();

    SimInterpreter &m_interpreter;
    const SimFaults m_faults;
    SimLog &m_log;
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_linkPath;
    std::unique_ptr<QSocketNotifier> m_readNotifier;
    std::unique_ptr<QSocketNotifier> m_writeNotifier;
    SimSession *m_session = nullptr;
    QByteArray m_unsent;
    QElapsedTimer m_hangUpClock;
};
