// Start-up loading, saving and the language switch, on real files in a scratch folder.
#include "app/app_paths.h"
#include "app/config_file.h"
#include "app/config_values.h"
#include "app/ini_file.h"
#include "app/language_texts.h"
#include "app/settings_save_report.h"
#include "support/writes_fail.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
QStringList snapshot(const IniEntry *table, int count)
{
    QStringList values;
    for (int i = 0; i < count; ++i)
        values << *table[i].value;
    return values;
}
void restore(const IniEntry *table, const QStringList &values)
{
    for (int i = 0; i < values.size(); ++i)
        *table[i].value = values[i];
}
} // namespace

class TestConfigFile : public QObject
{
    Q_OBJECT

    QStringList builtInConfig, builtInTexts;
    QScopedPointer<QTemporaryDir> dir;

    QString configPath() const { return App_Path(ConfigIniRelPath); }
    QString englishPath() const { return App_Path(LanguageEnglishRelPath); }
    QString otherPath() const { return App_Path(LanguageOtherRelPath); }

    // A language file with every text prefixed, so it is clear which file a text came from.
    static QByteArray languageFile(const QString &prefix)
    {
        QByteArray bytes;
        for (const IniEntry &entry : LanguageTable)
            bytes += QByteArray(entry.key) + '=' + (prefix + *entry.value).toUtf8() + "\r\n";
        return bytes;
    }

private slots:
    void initTestCase()
    {
        builtInConfig = snapshot(ConfigTable, ConfigTableSize);
        builtInTexts = snapshot(LanguageTable, LanguageTableSize);
    }
    void init()
    {
        restore(ConfigTable, builtInConfig);
        restore(LanguageTable, builtInTexts);
        Settings_ResetSaveFailures();
        dir.reset(new QTemporaryDir);
        QVERIFY(dir->isValid());
        App_SetDirOverride(dir->path());
    }
    void cleanup() { App_SetDirOverride(QString()); }

    void freshInstall_writesDefaultsByteForByte()
    {
        QVERIFY(!Config_LoadAtStartup());
        const QByteArray config = readAll(configPath());
        QCOMPARE(config.count("\r\n"), 18);
        QVERIFY(config.startsWith("Key_LanguageIsEnglish=1\r\nKey_UI_Login=1\r\n"));
        QVERIFY(
            config.endsWith("SP_RemoteSubmask=255.255.255.0\r\nSP_RemoteGateway=192.168.0.1\r\n"));
        QVERIFY(!config.contains("\n\r\n"));

        const QByteArray english = readAll(englishPath());
        QCOMPARE(english.count("\r\n"), 184);
        QVERIFY(english.startsWith("S_OnOff[0]=On\r\nS_OnOff[1]=Off\r\n"));
        QVERIFY(english.contains(QStringLiteral("Slabel_Language=Language/语言:\r\n").toUtf8()));
        QVERIFY(english.contains("Ui_Login_AppName= UserLogin\r\n"));
        QVERIFY(english.endsWith("SMSG_EdidWriteOk=EDID Write Success.\r\n"));
        QVERIFY(!QFile::exists(otherPath()));
    }

    void existingConfig_isLoadedWithItsLanguage()
    {
        QByteArray config = Ini_Serialize({ConfigTable, ConfigTableSize});
        config.replace("Key_LanguageIsEnglish=1", "Key_LanguageIsEnglish=0");
        config.replace("SP_Name=COM1", "SP_Name=/dev/ttyUSB0");
        writeAll(configPath(), config);
        writeAll(otherPath(), languageFile("other:"));
        writeAll(englishPath(), languageFile("english:"));

        QVERIFY(Config_LoadAtStartup());
        QCOMPARE(SP_Name, QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(S_Sync, QStringLiteral("other:Sync"));
        QCOMPARE(SMSG_EdidWriteOk, QStringLiteral("other:EDID Write Success."));
    }

    void missingConfig_rewritesEditedEnglishWithBuiltIns()
    {
        writeAll(englishPath(), languageFile("edited:"));
        QVERIFY(!Config_LoadAtStartup());
        QCOMPARE(S_Sync, QStringLiteral("Sync"));
        QVERIFY(readAll(englishPath()).contains("S_Sync=Sync\r\n"));
    }

    void missingPreferredFile_fallsBackToTheOther()
    {
        Key_LanguageIsEnglish = QStringLiteral("0");
        writeAll(configPath(), Ini_Serialize({ConfigTable, ConfigTableSize}));
        writeAll(englishPath(), languageFile("english:"));
        Key_LanguageIsEnglish = QStringLiteral("1");

        Config_Load(false);
        QCOMPARE(Key_LanguageIsEnglish, QStringLiteral("0")); // the preference stays
        QCOMPARE(S_Clear, QStringLiteral("english:Clear"));

        // The next save writes the loaded texts under the preferred file's name.
        Config_SaveAll();
        QVERIFY(readAll(otherPath()).contains("S_Clear=english:Clear\r\n"));
    }

    void noLanguageFile_selectsEnglish()
    {
        Key_LanguageIsEnglish = QStringLiteral("0");
        writeAll(configPath(), Ini_Serialize({ConfigTable, ConfigTableSize}));
        Config_Load(false);
        QCOMPARE(Key_LanguageIsEnglish, QStringLiteral("1"));
        QCOMPARE(S_Clear, QStringLiteral("Clear"));
    }

    void languageSwitch_thereAndBack()
    {
        QVERIFY(!Config_LoadAtStartup());
        writeAll(otherPath(), languageFile("other:"));

        S_Message = QStringLiteral("edited in memory");
        Language_Switch(ScomboBox_LanguageSelect[1]);
        QCOMPARE(Key_LanguageIsEnglish, QStringLiteral("0"));
        QCOMPARE(S_Sync, QStringLiteral("other:Sync"));
        // The file of the language that was current got the in-memory texts first.
        QVERIFY(readAll(englishPath()).contains("S_Message=edited in memory\r\n"));
        QVERIFY(readAll(configPath()).startsWith("Key_LanguageIsEnglish=1\r\n"));

        S_Message = QStringLiteral("other edited");
        Language_Switch(ScomboBox_LanguageSelect[0]); // "other:English", as the selector shows it
        QCOMPARE(Key_LanguageIsEnglish, QStringLiteral("1"));
        QCOMPARE(S_Sync, QStringLiteral("Sync"));
        QCOMPARE(S_Message, QStringLiteral("edited in memory"));
        QVERIFY(readAll(otherPath()).contains("S_Message=other edited\r\n"));
        QVERIFY(readAll(configPath()).startsWith("Key_LanguageIsEnglish=0\r\n"));
    }

    void languageSwitch_unknownTextKeepsTheLanguage()
    {
        QVERIFY(!Config_LoadAtStartup());
        Language_Switch(QStringLiteral("Deutsch"));
        QCOMPARE(Key_LanguageIsEnglish, QStringLiteral("1"));
    }

    void emptyOtherFile_keepsTextsAndIsFilledOnSave()
    {
        QVERIFY(!Config_LoadAtStartup());
        writeAll(otherPath(), QByteArray());
        Language_Switch(ScomboBox_LanguageSelect[1]);
        QCOMPARE(Key_LanguageIsEnglish, QStringLiteral("0"));
        QCOMPARE(S_Sync, QStringLiteral("Sync"));
        Config_SaveAll();
        QCOMPARE(readAll(otherPath()), readAll(englishPath()));
    }

    void failedSave_keepsThePreviousFiles()
    {
        QVERIFY(!Config_LoadAtStartup());
        const QByteArray oldConfig = readAll(configPath());
        const QByteArray oldEnglish = readAll(englishPath());
        SP_Name = QStringLiteral("changed");
        S_Sync = QStringLiteral("changed");

        {
            WritesFail fullDisk;
            QVERIFY(fullDisk.active());
            QVERIFY(!Config_SaveAll());
        }

        QCOMPARE(readAll(configPath()), oldConfig);
        QCOMPARE(readAll(englishPath()), oldEnglish);
        const QStringList leftovers = QDir(QFileInfo(configPath()).path()).entryList(QDir::Files);
        QCOMPARE(leftovers.size(), 2); // no half-written temporary files stay behind

        Config_SaveAll(); // and once the disk has room again the save goes through
        QVERIFY(readAll(configPath()).contains("SP_Name=changed\r\n"));
    }

    // A folder where nothing can be written: config.ini is never created, yet the texts
    // follow the selector, and the operator hears once that nothing is saved.
    void languageSwitch_unwritableFolder_switchesAndReportsOnce()
    {
        writeAll(englishPath(), languageFile("english:"));
        writeAll(otherPath(), languageFile("other:"));
        Settings_ResetSaveFailures();
        QStringList reported;
        Settings_SetSaveReporter([&reported](const QString &path) { reported << path; });
        {
            WritesFail noWrites;
            QVERIFY(noWrites.active());
            QVERIFY(!Config_LoadAtStartup());
            QVERIFY(!QFile::exists(configPath()));
            QCOMPARE(S_Sync, QStringLiteral("Sync"));

            Language_Switch(ScomboBox_LanguageSelect[1]);
            QCOMPARE(Key_LanguageIsEnglish, QStringLiteral("0"));
            QCOMPARE(S_Sync, QStringLiteral("other:Sync"));
            Language_Switch(ScomboBox_LanguageSelect[0]);
            QCOMPARE(Key_LanguageIsEnglish, QStringLiteral("1"));
            QCOMPARE(S_Sync, QStringLiteral("english:Sync"));
            QVERIFY(!Config_SaveAll());
        }
        Settings_SetSaveReporter({});
        QCOMPARE(reported, QStringList {configPath()});
        QCOMPARE(Settings_SaveFailureCount(), 8); // two files at start, each switch, the save
        QVERIFY(!QFile::exists(configPath()));
        QVERIFY(readAll(englishPath()).contains("S_Sync=english:Sync\r\n"));

        // A reporter installed later still hears of an unreported failure, once.
        Settings_ResetSaveFailures();
        {
            WritesFail noWrites;
            QVERIFY(!Config_SaveAll());
        }
        reported.clear();
        Settings_SetSaveReporter([&reported](const QString &path) { reported << path; });
        Settings_SetSaveReporter([&reported](const QString &path) { reported << path; });
        Settings_SetSaveReporter({});
        QCOMPARE(reported, QStringList {configPath()});
        Settings_ResetSaveFailures();
    }

    void unreadableFolder_startsWithDefaults()
    {
        // A file where the folder should be: nothing can be created, nothing crashes.
        writeAll(dir->filePath("APP"), "not a folder");
        QVERIFY(!Config_LoadAtStartup());
        QCOMPARE(SP_BaudRate, QStringLiteral("9600"));
        QVERIFY(!QFile::exists(configPath()));
    }
};

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_config_file.moc"
