// Wire log: one line per received line, sent line, dropped reply and link event, each with
// the seconds since start (millisecond resolution), flushed at once so that a test can read
// it while the simulator runs.
//
//   12.345 RX GET MODEL TYPE        a line received (without its line end)
//   12.346 TX MODEL TYPE Halden     a line sent (without its line end)
//   12.346 DROP AUDIO VOL 51        a reply computed but not sent (--drop-every, --silent)
//   12.400 EV tcp 127.0.0.1:40112 connected     a link event
//
// Bytes outside printable ASCII are written as \xNN and a backslash as \\, so that every
// entry stays on one line.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <memory>

class SimLog
{
public:
    SimLog();
    // path "-" is standard output; an empty path logs nothing.
    bool open(const QString &path, QString *error);

    void rx(const QByteArray &line) { write("RX", line); }
    void tx(const QByteArray &line) { write("TX", line); }
    void drop(const QByteArray &line) { write("DROP", line); }
    void event(const QByteArray &text) { write("EV", text); }

    static QByteArray escape(const QByteArray &bytes);

private:
    void write(const char *kind, const QByteArray &text);

    QElapsedTimer m_clock;
    std::unique_ptr<QFile> m_file;
};
