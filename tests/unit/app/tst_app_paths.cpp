// Where the runtime files live: the portable and the installed layout, the per-user settings
// folder seeded from the installation, and a first start that writes nothing into it.
#include "app/app_paths.h"
#include "app/config_file.h"
#include "app/config_values.h"
#include "app/language_texts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file below root with its bytes, to show that a folder was left exactly as it was.
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
} // namespace

class TestAppPaths : public QObject
{
    Q_OBJECT

    QScopedPointer<QTemporaryDir> m_dir;
    QStringList m_builtInConfig, m_builtInTexts;

    QString root() const { return m_dir->path(); }

    // An installation as the package lays it out, with both default language files.
    AppLayout installed() const
    {
        const QString data = root() + "/usr/share/korvane";
        writeFile(data + "/APP/StyleSheet/default.qss", "QLabel { color: #123456; }");
        writeFile(data + "/APP/ConfigFile/language-English.ini", "S_OnOff[0]=On\r\n");
        writeFile(data + "/APP/ConfigFile/language-Other.ini", "S_OnOff[0]=\xe5\xbc\x80\r\n");
        writeFile(data + "/APP/Image/fail.png", "picture");
        return {data, root() + "/home/.config/korvane"};
    }

private slots:
    void initTestCase()
    {
        for (int i = 0; i < ConfigTableSize; ++i)
            m_builtInConfig << *ConfigTable[i].value;
        for (int i = 0; i < LanguageTableSize; ++i)
            m_builtInTexts << *LanguageTable[i].value;
    }
    void init()
    {
        for (int i = 0; i < ConfigTableSize; ++i)
            *ConfigTable[i].value = m_builtInConfig.at(i);
        for (int i = 0; i < LanguageTableSize; ++i)
            *LanguageTable[i].value = m_builtInTexts.at(i);
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
    }
    void cleanup() { App_SetDirOverride(QString()); }

    void resolveLayout_data()
    {
        QTest::addColumn<QStringList>("folders"); // created below the scratch root
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("exeDir");
        QTest::addColumn<QString>("dataDir");
        QTest::addColumn<QString>("settingsDir");
        QTest::addColumn<QString>("probed"); // folder whose writability decided, or empty

        const QString home = "/home/.config/korvane";
        QTest::newRow("build tree") << QStringList {"/build/APP/ConfigFile"} << true << "/build"
                                    << "/build"
                                    << "/build"
                                    << "/build/APP/ConfigFile";
        QTest::newRow("first start beside the program")
            << QStringList {"/copy/APP/StyleSheet"} << true << "/copy"
            << "/copy"
            << "/copy"
            << "/copy/APP";
        QTest::newRow("read-only copy")
            << QStringList {"/opt/k/APP/ConfigFile"} << false << "/opt/k"
            << "/opt/k" << home << "/opt/k/APP/ConfigFile";
        QTest::newRow("installed, even when writable (root)")
            << QStringList {"/usr/bin", "/usr/share/korvane/APP"} << true << "/usr/bin"
            << "/usr/share/korvane" << home << "";
        QTest::newRow("installed below another prefix")
            << QStringList {"/opt/korvane/bin", "/opt/korvane/share/korvane/APP"} << false
            << "/opt/korvane/bin"
            << "/opt/korvane/share/korvane" << home << "";
        QTest::newRow("runtime folder beside the program wins")
            << QStringList {"/p/bin/APP", "/p/share/korvane/APP"} << true << "/p/bin"
            << "/p/bin"
            << "/p/bin"
            << "/p/bin/APP";
        QTest::newRow("nothing anywhere") << QStringList {"/bare"} << false << "/bare"
                                          << "/bare"
                                          << "/bare"
                                          << "";
    }
    void resolveLayout()
    {
        QFETCH(QStringList, folders);
        QFETCH(bool, writable);
        QFETCH(QString, exeDir);
        QFETCH(QString, dataDir);
        QFETCH(QString, settingsDir);
        QFETCH(QString, probed);
        for (const QString &folder : folders)
            QVERIFY(QDir().mkpath(root() + folder));

        QStringList asked;
        const AppLayout layout = App_ResolveLayout(
            root() + exeDir, "../share/korvane", root() + "/home/.config", [&](const QString &dir) {
                asked << dir.mid(root().size());
                return writable;
            });
        QCOMPARE(layout.dataDir, root() + dataDir);
        QCOMPARE(layout.settingsDir, root() + settingsDir);
        QCOMPARE(asked, probed.isEmpty() ? QStringList() : QStringList {probed});
    }

    void prepare_seedsBothLanguagesOnce()
    {
        const AppLayout layout = installed();
        App_SetLayoutOverride(layout);
        // The installation's files may be read-only; the operator's copies must not be.
        QFile::setPermissions(layout.dataDir + LanguageOtherRelPath, QFileDevice::ReadOwner);
        QVERIFY(App_PrepareSettings());
        QCOMPARE(App_SettingsProblem(), QString());
        QCOMPARE(readFile(layout.settingsDir + LanguageEnglishRelPath),
                 QByteArray("S_OnOff[0]=On\r\n"));
        QCOMPARE(readFile(layout.settingsDir + LanguageOtherRelPath),
                 QByteArray("S_OnOff[0]=\xe5\xbc\x80\r\n"));
        QVERIFY(QFileInfo(layout.settingsDir + LanguageOtherRelPath).permissions()
                & QFileDevice::WriteOwner);
        QVERIFY(!QFile::exists(layout.settingsDir + ConfigIniRelPath));

        // The operator's own texts are never replaced by the defaults again.
        writeFile(layout.settingsDir + LanguageOtherRelPath, "S_OnOff[0]=mine\r\n");
        QVERIFY(App_PrepareSettings());
        QCOMPARE(readFile(layout.settingsDir + LanguageOtherRelPath),
                 QByteArray("S_OnOff[0]=mine\r\n"));
    }

    void prepare_portableCreatesNothing()
    {
        App_SetDirOverride(root());
        QVERIFY(App_PrepareSettings());
        QCOMPARE(QDir(root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void prepare_unusableFolderIsReportedOnce()
    {
        AppLayout layout = installed();
        // A file where the folder should be: mkpath fails even for root.
        writeFile(root() + "/home/blocked", "not a folder");
        layout.settingsDir = root() + "/home/blocked/korvane";
        App_SetLayoutOverride(layout);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^korvane: cannot create the settings folder .*"
                                                "/home/blocked/korvane/APP/ConfigFile; the "
                                                "settings will not be saved\\.$"));
        QVERIFY(!App_PrepareSettings());
        QVERIFY(App_SettingsProblem().contains("/home/blocked/korvane/APP/ConfigFile"));
    }

    void mayRewrite_data()
    {
        QTest::addColumn<bool>("installedLayout");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("may");
        QTest::newRow("installed picture")
            << true << "/usr/share/korvane/APP/Image/fail.png" << false;
        QTest::newRow("installed, path not cleaned")
            << true << "/usr/share/korvane/APP/../APP/Image/fail.png" << false;
        QTest::newRow("settings folder") << true << "/home/.config/korvane/APP/x.png" << true;
        QTest::newRow("sibling with the same prefix")
            << true << "/usr/share/korvane-extra/x.png" << true;
        QTest::newRow("portable picture") << false << "/APP/Image/fail.png" << true;
    }
    void mayRewrite()
    {
        QFETCH(bool, installedLayout);
        QFETCH(QString, file);
        QFETCH(bool, may);
        if (installedLayout)
            App_SetLayoutOverride(installed());
        else
            App_SetDirOverride(root());
        QCOMPARE(App_MayRewrite(root() + file), may);
    }

    void installedFirstStart_writesOnlyThePerUserFolder()
    {
        const AppLayout layout = installed();
        App_SetLayoutOverride(layout);
        const QMap<QString, QByteArray> before = snapshot(layout.dataDir);

        QVERIFY(!Config_LoadAtStartup());
        QCOMPARE(readFile(layout.settingsDir + ConfigIniRelPath).count("\r\n"), 18);
        // The English file is written from the texts in memory as on any first start.
        QCOMPARE(readFile(layout.settingsDir + LanguageEnglishRelPath).count("\r\n"), 184);
        // The other language was seeded from the installation, so it can be chosen.
        Language_Switch(ScomboBox_LanguageSelect[1]);
        QCOMPARE(S_OnOff[0], QString::fromUtf8("\xe5\xbc\x80"));
        Config_SaveAll();

        QCOMPARE(snapshot(layout.dataDir), before);
        const QByteArray config = readFile(layout.settingsDir + ConfigIniRelPath);
        QVERIFY(config.startsWith("Key_LanguageIsEnglish=0\r\nKey_UI_Login=1\r\n"));
        const QByteArray other = readFile(layout.settingsDir + LanguageOtherRelPath);
        QCOMPARE(other.count("\r\n"), 184);
        QVERIFY(other.startsWith("S_OnOff[0]=\xe5\xbc\x80\r\nS_OnOff[1]=Off\r\n"));

        // The next start reads the per-user settings.
        Key_LanguageIsEnglish = QStringLiteral("1");
        QVERIFY(Config_LoadAtStartup());
        QCOMPARE(Key_LanguageIsEnglish, QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_app_paths.moc"
