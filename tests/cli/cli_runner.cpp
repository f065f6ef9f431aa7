#include "cli/cli_runner.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

QString CliResult::describe() const
{
    return QStringLiteral("exit %1 after %2 ms\nstdout:\n%3\nstderr:\n%4").arg(code).arg(ms).arg(out, err);
}

QString CliRunner::executable()
{
    return QStringLiteral(KORVANE_CLI_EXE);
}

CliResult CliRunner::run(const QStringList &args, int timeoutMs)
{
    const int n = ++m_runs;
    const QString outPath = m_dir.filePath(QStringLiteral("out-%1.txt").arg(n));
    const QString errPath = m_dir.filePath(QStringLiteral("err-%1.txt").arg(n));
    QProcess process;
    process.setStandardOutputFile(outPath);
    process.setStandardErrorFile(errPath);
    QStringList all = args;
    if (!all.contains(QStringLiteral("--app-dir")))
        all << QStringLiteral("--app-dir") << m_dir.path();
    QElapsedTimer clock;
    clock.start();
    process.start(executable(), all);
    CliResult result;
    if (!process.waitForStarted(10000))
        return result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        result.code = -2;
    } else {
        result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    result.ms = clock.elapsed();
    for (auto [path, text] : {std::pair {outPath, &result.out}, std::pair {errPath, &result.err}}) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            *text = QString::fromUtf8(file.readAll());
    }
    return result;
}
