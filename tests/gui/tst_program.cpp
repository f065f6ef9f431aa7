// The built panel as a program: --version and --help without a display, the exit save when
// the session ends with a signal, and an installed layout (read-only share/korvane beside
// bin/, settings in the per-user folder under XDG_CONFIG_HOME).
#include "app/ini_file.h"
#include "app/language_texts.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {
const char *const ConfigIni = "/APP/ConfigFile/config.ini";
const char *const OtherIni = "/APP/ConfigFile/language-Other.ini";

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QVERIFY(QFile::copy(file, target));
    }
}

QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        files.insert(file.mid(root.size()), readFile(file));
    }
    return files;
}

// The panel started from a copy of the built executable; output goes to files so that a
// failing test never leaves a process holding the test runner's pipes.
class Panel
{
public:
    Panel(const QString &binary, const QString &logDir, const QProcessEnvironment &env,
          const QStringList &arguments = {})
        : m_logDir(logDir)
    {
        m_process.setProcessEnvironment(env);
        m_process.setWorkingDirectory(logDir);
        m_process.setStandardOutputFile(logDir + QStringLiteral("/out.log"));
        m_process.setStandardErrorFile(logDir + QStringLiteral("/err.log"));
        m_process.start(binary, arguments);
    }
    ~Panel()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }
    QProcess &process() { return m_process; }
    QByteArray out() const { return readFile(m_logDir + QStringLiteral("/out.log")); }
    QByteArray err() const { return readFile(m_logDir + QStringLiteral("/err.log")); }
    bool terminate()
    {
        ::kill(pid_t(m_process.processId()), SIGTERM);
        return m_process.waitForFinished(20000);
    }

private:
    QString m_logDir;
    QProcess m_process;
};

QProcessEnvironment offscreen(const QString &configHome)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    return env;
}
} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

    QScopedPointer<QTemporaryDir> m_dir;
    QString root() const { return m_dir->path(); }

    // bin/korvane beside share/korvane/ with the runtime folders, as `cmake --install` makes.
    QString installCopy()
    {
        const QString bin = root() + QStringLiteral("/usr/bin/korvane");
        QDir().mkpath(QFileInfo(bin).path());
        if (!QFile::copy(QStringLiteral(KORVANE_BINARY), bin))
            return QString();
        const QString data = root() + QStringLiteral("/usr/share/korvane");
        copyTree(QStringLiteral(KORVANE_BINARY_DIR "/APP/Image"), data + "/APP/Image");
        copyTree(QStringLiteral(KORVANE_BINARY_DIR "/TitleBar"), data + "/TitleBar");
        copyTree(QStringLiteral(KORVANE_SOURCE_DIR "/APP/StyleSheet"), data + "/APP/StyleSheet");
        writeFile(data + OtherIni, readFile(KORVANE_SOURCE_DIR + QLatin1String(OtherIni)));
        writeFile(data + "/APP/ConfigFile/language-English.ini",
                  Ini_Serialize({LanguageTable, LanguageTableSize}));
        return bin;
    }

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
    }

    void infoOptions_answerWithoutDisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("--version") << "--version"
                                   << "^korvane \\d+\\.\\d+\\.\\d+\\n$";
        QTest::newRow("--help") << "--help"
                                << "^Usage: korvane .*--version.*~/\\.config/korvane/APP/"
                                   "ConfigFile/";
        QTest::newRow("-h") << "-h"
                            << "^Usage: korvane ";
    }
    void infoOptions_answerWithoutDisplay()
    {
        QFETCH(QString, option);
        QFETCH(QString, pattern);
        const QString bin = root() + QStringLiteral("/korvane");
        QVERIFY(QFile::copy(QStringLiteral(KORVANE_BINARY), bin));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        Panel panel(bin, root(), env, {option});
        QVERIFY(panel.process().waitForFinished(20000));
        QCOMPARE(panel.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(panel.process().exitCode(), 0);
        QVERIFY2(QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
                     .match(QString::fromUtf8(panel.out()))
                     .hasMatch(),
                 panel.out().constData());
        QCOMPARE(panel.err(), QByteArray());
        // Nothing was started, so nothing was written beside it.
        QVERIFY(!QFile::exists(root() + QStringLiteral("/APP")));
    }

    void terminateSignal_endsWithTheExitSave()
    {
        const QString bin = root() + QStringLiteral("/korvane");
        QVERIFY(QFile::copy(QStringLiteral(KORVANE_BINARY), bin));
        Panel panel(bin, root(), offscreen(root() + QStringLiteral("/unused")));
        // The first start writes config.ini, so the panel is up once it is there.
        const QString config = root() + QLatin1String(ConfigIni);
        QTRY_VERIFY_WITH_TIMEOUT(readFile(config).count("\r\n") == 18, 30000);
        QVERIFY(writeFile(config, "damaged"));

        QVERIFY(panel.terminate());
        QCOMPARE(panel.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(panel.process().exitCode(), 0);
        const QByteArray saved = readFile(config);
        QCOMPARE(saved.count("\r\n"), 18);
        QVERIFY(saved.startsWith("Key_LanguageIsEnglish=1\r\nKey_UI_Login=1\r\n"));
    }

    void installedLayout_keepsSettingsPerUser()
    {
        const QString bin = installCopy();
        QVERIFY(!bin.isEmpty());
        const QString data = root() + QStringLiteral("/usr/share/korvane");
        const QMap<QString, QByteArray> installed = snapshot(data);
        const QString settings = root() + QStringLiteral("/home/.config/korvane");

        Panel panel(bin, root(), offscreen(root() + QStringLiteral("/home/.config")));
        QTRY_VERIFY_WITH_TIMEOUT(readFile(settings + ConfigIni).count("\r\n") == 18, 30000);
        QVERIFY(panel.terminate());
        QCOMPARE(panel.process().exitCode(), 0);

        QCOMPARE(readFile(settings + OtherIni), readFile(data + OtherIni));
        QCOMPARE(readFile(settings + "/APP/ConfigFile/language-English.ini").count("\r\n"), 184);
        // The pictures were shown (and not re-saved), and nothing else landed in the
        // installation or beside the program.
        QCOMPARE(snapshot(data), installed);
        QVERIFY(!QFile::exists(root() + QStringLiteral("/usr/bin/APP")));
        QCOMPARE(panel.err(), QByteArray());
    }

    void installedLayout_unusableSettingsFolderIsSaidAndTheRunGoesOn()
    {
        const QString bin = installCopy();
        QVERIFY(!bin.isEmpty());
        // A file where the config folder should be: no user, not even root, can use it.
        QVERIFY(writeFile(root() + QStringLiteral("/home/config"), "a file"));
        Panel panel(bin, root(), offscreen(root() + QStringLiteral("/home/config")));
        QTRY_VERIFY_WITH_TIMEOUT(panel.err().contains("\n"), 30000);
        QCOMPARE(panel.err(),
                 "korvane: cannot create the settings folder " + root().toUtf8()
                     + "/home/config/korvane/APP/ConfigFile; the settings will not be saved.\n");
        QCOMPARE(panel.process().state(), QProcess::Running);
        QVERIFY(panel.terminate());
        QCOMPARE(panel.process().exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
