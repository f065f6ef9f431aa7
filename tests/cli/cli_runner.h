// korvane-cli as a child process of a test: its output goes to files in a scratch folder (so a
// failing test never leaves a child holding the runner's pipes), it is killed when it runs
// past its time, and the panel's files it may touch live in that folder (--app-dir).
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct CliResult
{
    int code = -1; // the exit code; -1 crashed, -2 killed after the time-out
    QString out;
    QString err;
    qint64 ms = 0; // how long it ran

    QString describe() const; // for failure messages
};

class CliRunner
{
public:
    // Every run gets --app-dir with this runner's scratch folder.
    CliResult run(const QStringList &args, int timeoutMs = 90000);
    QString dir() const { return m_dir.path(); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    static QString executable();

private:
    QTemporaryDir m_dir;
    int m_runs = 0;
};
