// Continuous logging of the wire to a file chosen by the operator, written in a thread of its
// own so that a slow or full disk never holds up the caller's thread.
//
// Lines handed to write() are collected and passed to the writer once per turn of the
// caller's event loop; the writer appends them, flushes, and once the file would pass its
// size limit renames it to "<name>.1" (replacing an older one) and starts a new file, so the
// log never takes more than about twice the limit. Should the writer fall behind by more than
// BacklogLimit bytes, further lines are counted instead of kept and the count is written once
// it has caught up. The first failure to open or write ends the logging and is reported once
// through failed(); the caller goes on.
#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class QThread;
class WireLogWriter;

class WireLogFile : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 DefaultLimitBytes = 10 * 1024 * 1024;
    static constexpr qint64 BacklogLimit = 4 * 1024 * 1024;

    explicit WireLogFile(QObject *parent = nullptr);
    ~WireLogFile() override; // writes what is pending, then stops the writer

    // Starts logging to path (appending to what is there). Any earlier log is stopped first.
    void start(const QString &path, qint64 limitBytes = DefaultLimitBytes);
    // Stops logging; what was handed over is still written.
    void stop();
    bool isActive() const { return m_active; }
    QString path() const { return m_path; }

    // One line of text (no line end); written as UTF-8 with a LF.
    void write(const QString &line);
    // Hands the collected lines to the writer now (otherwise at the end of this turn).
    void flush();
    // Blocks until the writer has written everything handed over (tests, shutdown).
    void waitForWritten();

signals:
    // Logging stopped because the file could not be opened or written: a message for the
    // operator naming the file and the reason.
    void failed(const QString &message);

private:
    void writerFailed(const QString &reason);
    void stopThread();

    QThread *m_thread = nullptr;
    WireLogWriter *m_writer = nullptr;
    std::shared_ptr<std::atomic<qint64>> m_backlog;
    QByteArray m_batch;
    QString m_path;
    qint64 m_skipped = 0; // lines left out while the writer was behind
    bool m_active = false;
    bool m_flushScheduled = false;
};
