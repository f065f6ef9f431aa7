// The panel's own preferences file: beside config.ini, never touching it, values range-checked,
// a failed write reported once.
#include "app/app_paths.h"
#include "app/panel_prefs.h"
#include "app/settings_save_report.h"
#include "support/writes_fail.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestPanelPrefs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(m_dir.filePath("APP/ConfigFile/panel.ini"));
        App_SetDirOverride(m_dir.path());
        Settings_ResetSaveFailures();
    }
    void cleanupTestCase() { App_SetDirOverride(QString()); }

    void storedBesideConfigIni_configIniUntouched()
    {
        QVERIFY(QDir().mkpath(m_dir.filePath("APP/ConfigFile")));
        QFile config(m_dir.filePath("APP/ConfigFile/config.ini"));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("Key_UI_Login=1\r\n");
        config.close();

        QVERIFY(Prefs_SetValue("link/keepAliveS", 45));
        QCOMPARE(Prefs_Value("link/keepAliveS").toInt(), 45);
        QVERIFY(QFile::exists(m_dir.filePath("APP/ConfigFile/panel.ini")));
        QVERIFY(config.open(QIODevice::ReadOnly));
        QCOMPARE(config.readAll(), QByteArray("Key_UI_Login=1\r\n"));
        QVERIFY(Prefs_Remove("link"));
        QCOMPARE(Prefs_Value("link/keepAliveS", "none").toString(), QString("none"));
    }

    void integer_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("missing") << QVariant() << 30;
        QTest::newRow("in range") << QVariant("12") << 12;
        QTest::newRow("below") << QVariant("-5") << 5;
        QTest::newRow("above") << QVariant("99999") << 600;
        QTest::newRow("not a number") << QVariant("abc") << 30;
        QTest::newRow("decimal") << QVariant("7.5") << 30;
    }
    void integer()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, expected);
        if (stored.isValid())
            QVERIFY(Prefs_SetValue("link/keepAliveS", stored));
        QCOMPARE(Prefs_Int("link/keepAliveS", 30, 5, 600), expected);
    }

    void unwritable_reportedOnce()
    {
        int reports = 0;
        Settings_SetSaveReporter([&](const QString &) { ++reports; });
        {
            WritesFail fail;
            if (!fail.active())
                QSKIP("cannot limit the file size here");
            const QString big(200, QLatin1Char('x'));
            QVERIFY(!Prefs_SetValue("terminal/snippet1", big));
            QVERIFY(!Prefs_SetValue("terminal/snippet2", big));
        }
        Settings_SetSaveReporter({});
        QCOMPARE(reports, 1);
        QCOMPARE(Settings_SaveFailureCount(), 2);
    }
};

QTEST_GUILESS_MAIN(TestPanelPrefs)
#include "tst_panel_prefs.moc"
