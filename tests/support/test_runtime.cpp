#include "support/test_runtime.h"

#include "app/app_paths.h"
#include "app/config_values.h"
#include "app/ini_file.h"
#include "app/language_texts.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QVector>

#ifndef KORVANE_RUNTIME_DIR
#error "KORVANE_RUNTIME_DIR must name the build's runtime folder"
#endif

namespace {
struct Defaults
{
    QVector<QString> config;
    QVector<QString> language;
};

// Taken the first time a test asks, before any test has changed a value.
const Defaults &defaults()
{
    static const Defaults d = [] {
        Defaults out;
        for (int i = 0; i < ConfigTableSize; ++i)
            out.config.append(*ConfigTable[i].value);
        for (int i = 0; i < LanguageTableSize; ++i)
            out.language.append(*LanguageTable[i].value);
        return out;
    }();
    return d;
}
} // namespace

TestRuntime::TestRuntime()
{
    defaults();
    App_SetDirOverride(m_dir.path());
    restoreDefaults();
}

TestRuntime::~TestRuntime()
{
    App_SetDirOverride(QString());
}

QString TestRuntime::path(const QString &relative) const
{
    return m_dir.path() + relative;
}

bool TestRuntime::exists(const QString &relative) const
{
    return QFile::exists(path(relative));
}

void TestRuntime::write(const QString &relative, const QByteArray &bytes) const
{
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray TestRuntime::read(const QString &relative) const
{
    QFile f(path(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<QByteArray> TestRuntime::lines(const QString &relative) const
{
    QList<QByteArray> out = read(relative).split('\n');
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    for (QByteArray &line : out) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return out;
}

void TestRuntime::copyPictures() const
{
    const QString from = QStringLiteral(KORVANE_RUNTIME_DIR);
    for (const char *top : {"/APP/Image", "/TitleBar"}) {
        QDirIterator it(from + QLatin1String(top), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString relative = file.mid(from.size());
            QDir().mkpath(QFileInfo(path(relative)).path());
            QFile::copy(file, path(relative));
        }
    }
}

void TestRuntime::restoreDefaults()
{
    const Defaults &d = defaults();
    for (int i = 0; i < ConfigTableSize; ++i)
        *ConfigTable[i].value = d.config.at(i);
    for (int i = 0; i < LanguageTableSize; ++i)
        *LanguageTable[i].value = d.language.at(i);
    SaveOnExitPending = true;
}

QByteArray TestRuntime::configFile(int line, const QByteArray &value)
{
    const Defaults &d = defaults();
    QByteArray bytes;
    for (int i = 0; i < ConfigTableSize; ++i) {
        bytes += ConfigTable[i].key;
        bytes += '=';
        bytes += i + 1 == line ? value : d.config.at(i).toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

void TestRuntime::writeLanguage(const QString &relative) const
{
    write(relative, Ini_Serialize(Ini_TableForPath(path(relative))));
}

QStringList comboItems(const QComboBox *combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}
