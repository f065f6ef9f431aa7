// Start-up and shutdown: the first window, the login hand-over, the end of the program, the
// single exit save, damaged files, and a start from another working directory.
#include "app/config_values.h"
#include "app/ini_file.h"
#include "app/language_texts.h"
#include "app/settings_save_report.h"
#include "support/modal_box_driver.h"
#include "support/test_runtime.h"
#include "support/writes_fail.h"
#include "ui/startup.h"
#include "ui/ui_login.h"
#include "ui/ui_main.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>

namespace {
const QByteArray Missing = "<missing>";

// The application's style sheet as it was when the first widget got its first child, that
// is while the first window was being built.
class SheetAtFirstWidget : public QObject
{
public:
    bool seen = false;
    QString sheet;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!seen && watched->isWidgetType() && event->type() == QEvent::ChildAdded) {
            seen = true;
            sheet = qApp->styleSheet();
        }
        return false;
    }
};

void expectNoBoxAndOneWindow(const KorvaneStartup &s)
{
    QCoreApplication::processEvents();
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(s.mainWindow()->isVisible() != s.loginDialog()->isVisible());
}
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init() { PasswordModifyMode = false; }

    void firstWindow_data()
    {
        QTest::addColumn<QByteArray>("loginValue");
        QTest::addColumn<bool>("mainFirst");
        QTest::newRow("no config.ini") << Missing << false;
        QTest::newRow("\"0\"") << QByteArray("0") << true;
        QTest::newRow("\"0 \"") << QByteArray("0 ") << false;
        QTest::newRow("\" 0\"") << QByteArray(" 0") << false;
        QTest::newRow("\"1\"") << QByteArray("1") << false;
        QTest::newRow("empty") << QByteArray("") << false;
        QTest::newRow("\"00\"") << QByteArray("00") << false;
    }
    void firstWindow()
    {
        QFETCH(QByteArray, loginValue);
        QFETCH(bool, mainFirst);
        TestRuntime rt;
        if (loginValue != Missing)
            rt.write(ConfigIni, TestRuntime::configFile(2, loginValue).replace("\r\n", "\n"));
        const QByteArray before = rt.read(ConfigIni);
        {
            KorvaneStartup s;
            QCOMPARE(s.configExisted(), loginValue != Missing);
            s.ShowFirstWindow();
            QCOMPARE(s.mainWindow()->isVisible(), mainFirst);
            QCOMPARE(s.loginDialog()->isVisible(), !mainFirst);
            expectNoBoxAndOneWindow(s);
            if (loginValue != Missing) // no save before exit on either path
                QCOMPARE(rt.read(ConfigIni), before);
        }
        // The exit save rewrites the file in the program's own format.
        QCOMPARE(rt.read(ConfigIni).count("\r\n"), 18);
    }

    void freshFolder_writesConfigAndEnglishOnly()
    {
        TestRuntime rt;
        KorvaneStartup s;
        QVERIFY(!s.configExisted());
        QCOMPARE(rt.lines(ConfigIni).size(), 18);
        QCOMPARE(rt.lines(ConfigIni).at(1), QByteArray("Key_UI_Login=1"));
        QCOMPARE(rt.lines(EnglishIni).size(), 184);
        QVERIFY(!rt.exists(OtherIni));
    }

    void styleSheet_appliedBeforeTheFirstWindowIsBuilt()
    {
        TestRuntime rt;
        qApp->setStyleSheet(QString());
        rt.write("/APP/StyleSheet/default.qss", QByteArray("QLabel { color: red; }\0{", 24));
        SheetAtFirstWidget probe;
        qApp->installEventFilter(&probe);
        {
            KorvaneStartup s;
            qApp->removeEventFilter(&probe);
            QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel { color: red; }"));
        }
        QVERIFY(probe.seen);
        QCOMPARE(probe.sheet, QStringLiteral("QLabel { color: red; }"));
        qApp->setStyleSheet(QString());
    }

    void exitSave_happensOnceInLoginDestructor_data()
    {
        QTest::addColumn<QByteArray>("loginValue");
        QTest::newRow("login shown") << QByteArray("1");
        QTest::newRow("login never shown") << QByteArray("0");
    }
    void exitSave_happensOnceInLoginDestructor()
    {
        QFETCH(QByteArray, loginValue);
        TestRuntime rt;
        rt.write(ConfigIni, TestRuntime::configFile(2, loginValue));
        {
            KorvaneStartup s;
            s.ShowFirstWindow();
            SP_Name = QStringLiteral("FIRST");
            // Runs after Ui_Login's destructor body, before Ui_Main's.
            QObject::connect(s.loginDialog(), &QObject::destroyed,
                             [] { SP_Name = QStringLiteral("SECOND"); });
        }
        QCOMPARE(rt.lines(ConfigIni).at(8), QByteArray("SP_Name=FIRST"));
        QCOMPARE(rt.lines(ConfigIni).at(1), "Key_UI_Login=" + loginValue);
        QCOMPARE(rt.lines(EnglishIni).size(), 184);
    }

    void closingLoginWithoutLogin_endsProgram()
    {
        TestRuntime rt;
        KorvaneStartup s;
        s.ShowFirstWindow();
        QTimer::singleShot(0, s.loginDialog(),
                           [&s] { s.loginDialog()->chrome()->closeButton()->click(); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!s.mainWindow()->isVisible());
        QVERIFY(!s.loginDialog()->isVisible());
    }

    void escapeInLogin_endsProgram()
    {
        TestRuntime rt;
        KorvaneStartup s;
        s.ShowFirstWindow();
        QTimer::singleShot(0, s.loginDialog(), [&s] {
            QTest::keyClick(s.loginDialog()->passwordEdit(), Qt::Key_Escape);
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!s.mainWindow()->isVisible());
    }

    void successfulLogin_leadsToMainWindowAndKeepsRunning()
    {
        TestRuntime rt;
        KorvaneStartup s;
        s.ShowFirstWindow();
        bool mainShownWhileRunning = false;
        QTimer::singleShot(0, s.loginDialog(), [&] {
            QTest::keyClicks(s.loginDialog()->passwordEdit(), QStringLiteral("428613"));
            QTest::keyClick(s.loginDialog()->passwordEdit(), Qt::Key_Return);
            // Queued after the start-up's own check of the closed dialog: if that had ended
            // the loop, this would never run.
            QTimer::singleShot(0, s.mainWindow(), [&] {
                mainShownWhileRunning = s.mainWindow()->isVisible();
                QTimer::singleShot(20, s.mainWindow(), [&] { s.mainWindow()->close(); });
            });
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(mainShownWhileRunning);
        QVERIFY(!s.loginDialog()->isVisible());
    }

    void damagedFiles_startWithoutMessage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary += char((i * 7919 + 13) & 0xff);
        QByteArray truncated = TestRuntime::configFile(0, QByteArray());
        truncated.truncate(70);
        QTest::newRow("empty config") << ConfigIni << QByteArray();
        QTest::newRow("truncated config") << ConfigIni << truncated;
        QTest::newRow("binary config") << ConfigIni << binary;
        QTest::newRow("huge single-line config") << ConfigIni << QByteArray(8 << 20, 'x');
        QTest::newRow("huge many-line config")
            << ConfigIni << QByteArray("Key_UI_Login=0\r\n").repeated(200000);
        QTest::newRow("binary language") << EnglishIni << binary;
        QTest::newRow("empty language") << EnglishIni << QByteArray();
        QTest::newRow("binary style sheet") << "/APP/StyleSheet/default.qss" << binary;
        QTest::newRow("style sheet with NUL")
            << "/APP/StyleSheet/default.qss" << QByteArray("QWidget { color: red; }\0{{{", 27);
        QTest::newRow("broken title sheet")
            << "/TitleBar/StyleSheet/SystemTitle.qss" << QByteArray("#CentralWidget { color: ");
        QTest::newRow("broken picture") << "/APP/Image/loginui_pic.png" << binary;
        QTest::newRow("broken title icon") << "/TitleBar/Image/App.png" << QByteArray("\x89PNG");
    }
    void damagedFiles_startWithoutMessage()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        TestRuntime rt;
        if (file != ConfigIni)
            rt.write(ConfigIni, TestRuntime::configFile(0, QByteArray()));
        rt.write(file, bytes);
        ModalBoxDriver boxes;
        {
            KorvaneStartup s;
            s.ShowFirstWindow();
            expectNoBoxAndOneWindow(s);
        }
        qApp->setStyleSheet(QString());
        QCOMPARE(boxes.count(), 0);
    }

    void unusableConfigFolder_stillStarts()
    {
        TestRuntime rt;
        // config.ini is a folder: it can be neither read nor replaced.
        QDir().mkpath(rt.path(ConfigIni));
        ModalBoxDriver boxes;
        {
            KorvaneStartup s;
            s.ShowFirstWindow();
            expectNoBoxAndOneWindow(s);
        }
        QVERIFY(QFileInfo(rt.path(ConfigIni)).isDir());
        QCOMPARE(boxes.count(), 0);
    }

    // A folder where nothing can be saved: the operator is told once, at start, and the
    // language switch still changes the texts.
    void unwritableFolder_oneMessage_languageStillSwitches()
    {
        TestRuntime rt;
        rt.writeLanguage(EnglishIni);
        QFile other(QStringLiteral(KORVANE_SOURCE_DIR "/APP/ConfigFile/language-Other.ini"));
        QVERIFY(other.open(QIODevice::ReadOnly));
        rt.write(OtherIni, other.readAll());
        Settings_ResetSaveFailures();
        ModalBoxDriver boxes;
        {
            WritesFail noWrites;
            QVERIFY(noWrites.active());
            KorvaneStartup s;
            s.ShowFirstWindow();
            QVERIFY(s.loginDialog()->isVisible());
            QTRY_COMPARE(boxes.count(), 1);
            QCOMPARE(boxes.texts(),
                     QStringList {"The settings could not be saved in " + rt.path("/APP/ConfigFile")
                                  + ". Changes made now are lost when the program closes."});

            QComboBox *language = s.loginDialog()->languageCombo();
            QCOMPARE(language->count(), 2);
            language->setCurrentIndex(1);
            QCOMPARE(Key_LanguageIsEnglish, QStringLiteral("0"));
            QCOMPARE(S_ConnectDisconnect[0], QStringLiteral("连接"));
            language->setCurrentIndex(0);
            QCOMPARE(S_ConnectDisconnect[0], QStringLiteral("Connect"));
            QVERIFY(!QTest::qWaitFor([&] { return boxes.count() > 1; }, 300));
        } // the exit save fails too, without a box while the windows go
        QCOMPARE(boxes.count(), 1);
        QVERIFY(!rt.exists(ConfigIni));
        Settings_ResetSaveFailures();
    }

    void otherWorkingDirectory_usesFilesBesideExecutable()
    {
        QTemporaryDir install;
        QTemporaryDir elsewhere;
        QVERIFY(install.isValid() && elsewhere.isValid());
        const QString binary = install.path() + QStringLiteral("/korvane");
        QVERIFY(QFile::copy(QStringLiteral(KORVANE_BINARY), binary));
        // A decoy in the working directory that would start the main window if it were read.
        QDir().mkpath(elsewhere.path() + QStringLiteral("/APP/ConfigFile"));
        QFile decoy(elsewhere.path() + QLatin1String(ConfigIni));
        QVERIFY(decoy.open(QIODevice::WriteOnly));
        decoy.write(TestRuntime::configFile(2, "0"));
        decoy.close();
        const QByteArray decoyBytes = TestRuntime::configFile(2, "0");

        QProcess panel;
        panel.setWorkingDirectory(elsewhere.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        panel.setProcessEnvironment(env);
        panel.setStandardOutputFile(install.path() + QStringLiteral("/out.log"));
        panel.setStandardErrorFile(install.path() + QStringLiteral("/err.log"));
        panel.start(binary, QStringList());
        QVERIFY(panel.waitForStarted(10000));
        const QString written = install.path() + QLatin1String(EnglishIni);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(written), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(written).size() > 0, 20000);
        panel.kill();
        panel.waitForFinished(10000);

        QVERIFY(QFile::exists(install.path() + QLatin1String(ConfigIni)));
        QFile check(elsewhere.path() + QLatin1String(ConfigIni));
        QVERIFY(check.open(QIODevice::ReadOnly));
        QCOMPARE(check.readAll(), decoyBytes);
        QVERIFY(!QFile::exists(elsewhere.path() + QLatin1String(EnglishIni)));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
