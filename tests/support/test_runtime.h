// A scratch runtime folder for one test: App_Dir() points at it, settings and texts are
// back at their built-in values, and files under it can be written and read by their
// runtime-relative paths ("/APP/ConfigFile/config.ini").
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class TestRuntime
{
public:
    TestRuntime();
    ~TestRuntime();

    bool isValid() const { return m_dir.isValid(); }
    QString root() const { return m_dir.path(); }
    QString path(const QString &relative) const;
    bool exists(const QString &relative) const;
    void write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;
    // The file's lines without their CR LF.
    QList<QByteArray> lines(const QString &relative) const;

    // Writes the language table's texts as they are in memory to a language file.
    void writeLanguage(const QString &relative) const;

    // Copies the generated pictures (and title-bar style sheet) of the build tree here.
    void copyPictures() const;

    // Built-in values of all settings and texts, SaveOnExitPending set.
    static void restoreDefaults();

    static QByteArray configFile(int line, const QByteArray &value);

private:
    QTemporaryDir m_dir;
};

class QComboBox;
// Item texts of a combo box, in order.
QStringList comboItems(const QComboBox *combo);

inline const char *const ConfigIni = "/APP/ConfigFile/config.ini";
inline const char *const EnglishIni = "/APP/ConfigFile/language-English.ini";
inline const char *const OtherIni = "/APP/ConfigFile/language-Other.ini";
