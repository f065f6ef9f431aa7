// Loopback peers that play the device in the link tests and the benchmark: the master side of
// a pseudo-terminal, and a TCP server on 127.0.0.1. Each records the command lines it receives
// (CR included, with arrival times) and can answer each line at once.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

class QSocketNotifier;

// Nanoseconds on one clock shared by every peer and test, for comparing event times.
qint64 PeerClockNs();

class LinePeer : public QObject
{
    Q_OBJECT

public:
    QList<QByteArray> lines;
    QList<qint64> lineTimesNs;
    QList<qint64> replyTimesNs; // when each answer was written
    // Bytes to write back for a received line; empty: stay silent.
    std::function<QByteArray(const QByteArray &line)> responder;

    virtual bool write(const QByteArray &bytes) = 0;

signals:
    void lineArrived(const QByteArray &line);

protected:
    void take(const QByteArray &bytes);

private:
    QByteArray m_pending;
};

class PtyPeer : public LinePeer
{
public:
    PtyPeer(); // check isOpen()
    ~PtyPeer() override;

    bool isOpen() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }
    int slaveFd() const { return m_slave; }
    bool write(const QByteArray &bytes) override;
    void closeMaster(); // the far end goes away
    // A device that stops taking bytes: what the panel writes piles up in the line.
    void setReading(bool reading);

private:
    void readMaster();
    void flushOutput();

    int m_master = -1;
    int m_slave = -1; // kept open: without it, reading the master fails with EIO
    QString m_slavePath;
    QSocketNotifier *m_notifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr; // the pty buffer is small: write as it drains
    QByteArray m_output;
};

class TcpPeer : public LinePeer
{
public:
    TcpPeer();

    bool listen(quint16 port = 0);
    quint16 port() const { return m_port; }
    void stopListening() { m_server.close(); }
    void dropClients(); // the device closes the connection
    int connectionCount() const { return m_connections; }
    QTcpServer &server() { return m_server; }
    bool write(const QByteArray &bytes) override;

private:
    QTcpServer m_server;
    QList<QPointer<QTcpSocket>> m_clients;
    quint16 m_port = 0;
    int m_connections = 0;
};

// A free loopback port where nobody listens.
quint16 UnusedLoopbackPort();

// Open file descriptors of this process.
int OpenFdCount();
