#include "bench_runtime.h"

#include "app/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <chrono>

namespace {
bool CopyTree(const QString &from, const QString &to)
{
    const QDir source(from);
    if (!source.exists() || !QDir().mkpath(to))
        return false;
    for (const QString &file : source.entryList(QDir::Files)) {
        if (!QFile::copy(source.filePath(file), to + QLatin1Char('/') + file))
            return false;
    }
    for (const QString &sub : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!CopyTree(source.filePath(sub), to + QLatin1Char('/') + sub))
            return false;
    }
    return true;
}
} // namespace

bool Bench_UseRuntimeCopy(const QString &dir)
{
    const QString bin = QCoreApplication::applicationDirPath();
    for (const char *folder : {"/APP", "/TitleBar"}) {
        if (!CopyTree(bin + QLatin1String(folder), dir + QLatin1String(folder)))
            return false;
    }
    QFile::remove(dir + QLatin1String(ConfigIniRelPath));
    App_SetDirOverride(dir);
    return true;
}

qint64 Bench_StatusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void Bench_ResetPeakRss()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

QString Bench_LoadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(file.readLine()).section(QLatin1Char(' '), 0, 2);
}

qint64 Bench_NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool Bench_RunEventsUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}
