// Wire log writer.
#include "sim_log.h"

#include <cstdio>

SimLog::SimLog()
{
    m_clock.start();
}

bool SimLog::open(const QString &path, QString *error)
{
    m_file.reset();
    if (path.isEmpty())
        return true;
    auto file = std::make_unique<QFile>();
    bool ok;
    if (path == "-") {
        ok = file->open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    } else {
        file->setFileName(path);
        ok = file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    }
    if (!ok) {
        *error = file->errorString();
        return false;
    }
    m_file = std::move(file);
    return true;
}

QByteArray SimLog::escape(const QByteArray &bytes)
{
    QByteArray out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c == '\\') {
            out += "\\\\";
        } else if (c >= 0x20 && c < 0x7F) {
            out += ch;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

void SimLog::write(const char *kind, const QByteArray &text)
{
    if (!m_file)
        return;
    const qint64 ms = m_clock.elapsed();
    char stamp[48];
    std::snprintf(stamp, sizeof stamp, "%lld.%03lld %s ", static_cast<long long>(ms / 1000),
                  static_cast<long long>(ms % 1000), kind);
    m_file->write(QByteArray(stamp) + escape(text) + '\n');
    if (m_file->handle() == fileno(stdout))
        std::fflush(stdout);
}
