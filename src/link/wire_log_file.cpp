#include "link/wire_log_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

// The writer: owns the file, lives in the logging thread.
class WireLogWriter : public QObject
{
    Q_OBJECT

public:
    WireLogWriter(std::shared_ptr<std::atomic<qint64>> backlog)
        : m_backlog(std::move(backlog))
    { }

    void open(const QString &path, qint64 limit)
    {
        m_limit = limit;
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append))
            fail();
    }

    void write(const QByteArray &batch)
    {
        *m_backlog -= batch.size();
        if (m_failed || !m_file.isOpen())
            return;
        if (m_file.size() > 0 && m_file.size() + batch.size() > m_limit && !rotate())
            return;
        if (m_file.write(batch) != batch.size() || !m_file.flush())
            fail();
    }

    void close() { m_file.close(); }

signals:
    void failed(const QString &reason);

private:
    bool rotate()
    {
        const QString path = m_file.fileName();
        const QString old = path + QStringLiteral(".1");
        m_file.close();
        QFile::remove(old);
        if (!QFile::rename(path, old)) {
            // Keep the file but start it afresh rather than growing past the limit.
            if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                fail();
                return false;
            }
            return true;
        }
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append)) {
            fail();
            return false;
        }
        return true;
    }

    void fail()
    {
        if (m_failed)
            return;
        m_failed = true;
        const QString reason = m_file.errorString();
        m_file.close();
        emit failed(reason);
    }

    std::shared_ptr<std::atomic<qint64>> m_backlog;
    QFile m_file;
    qint64 m_limit = WireLogFile::DefaultLimitBytes;
    bool m_failed = false;
};

WireLogFile::WireLogFile(QObject *parent)
    : QObject(parent)
{ }

WireLogFile::~WireLogFile()
{
    stop();
}

void WireLogFile::start(const QString &path, qint64 limitBytes)
{
    stop();
    m_path = path;
    m_backlog = std::make_shared<std::atomic<qint64>>(0);
    m_skipped = 0;
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("korvane-wirelog"));
    m_writer = new WireLogWriter(m_backlog);
    m_writer->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_writer, &QObject::deleteLater);
    connect(m_writer, &WireLogWriter::failed, this, &WireLogFile::writerFailed,
            Qt::QueuedConnection);
    m_thread->start();
    m_active = true;
    const qint64 limit = std::max<qint64>(limitBytes, 1024);
    QMetaObject::invokeMethod(m_writer, [w = m_writer, path, limit] { w->open(path, limit); });
}

void WireLogFile::stop()
{
    if (!m_thread)
        return;
    flush();
    m_active = false;
    stopThread();
}

void WireLogFile::stopThread()
{
    // The writer closes the file and ends its thread itself, after every write handed over
    // before (a quit() from here could end the thread with writes still waiting).
    QMetaObject::invokeMethod(m_writer, [w = m_writer] {
        w->close();
        QThread::currentThread()->quit();
    });
    // The writer's work is bounded by the backlog limit; a disk that hangs longer than this
    // leaves the thread to finish on its own rather than freezing the panel.
    if (m_thread->wait(5000))
        delete m_thread;
    else
        connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    m_thread = nullptr;
    m_writer = nullptr;
}

void WireLogFile::write(const QString &line)
{
    if (!m_active)
        return;
    const QByteArray bytes = line.toUtf8() + '\n';
    if (*m_backlog + m_batch.size() + bytes.size() > BacklogLimit) {
        ++m_skipped;
        return;
    }
    if (m_skipped > 0) {
        m_batch += QStringLiteral("[%1 lines not logged: the disk was too slow]\n")
                       .arg(m_skipped)
                       .toUtf8();
        m_skipped = 0;
    }
    m_batch += bytes;
    if (!m_flushScheduled) {
        m_flushScheduled = true;
        QTimer::singleShot(0, this, [this] { flush(); });
    }
}

void WireLogFile::flush()
{
    m_flushScheduled = false;
    if (!m_active || m_batch.isEmpty())
        return;
    *m_backlog += m_batch.size();
    QMetaObject::invokeMethod(m_writer, [w = m_writer, batch = m_batch] { w->write(batch); });
    m_batch.clear();
}

void WireLogFile::waitForWritten()
{
    flush();
    // The writer handles its calls in order: once this one has run, so have the writes.
    if (m_writer)
        QMetaObject::invokeMethod(
            m_writer, [] {}, Qt::BlockingQueuedConnection);
}

void WireLogFile::writerFailed(const QString &reason)
{
    if (!m_active)
        return;
    m_active = false;
    m_batch.clear();
    stopThread();
    emit failed(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(m_path), reason));
}

#include "wire_log_file.moc"
