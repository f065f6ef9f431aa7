// Login dialog: both roles, wrong passwords, the user password change and its refusals,
// the language combo's filling rules.
#include "app/config_file.h"
#include "app/config_values.h"
#include "app/ini_file.h"
#include "app/language_texts.h"
#include "support/modal_box_driver.h"
#include "support/test_runtime.h"
#include "ui/frame_geometry.h"
#include "ui/ui_login.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
enum class Via { Enter, Button };
}
Q_DECLARE_METATYPE(Via)

class TestLogin : public QObject
{
    Q_OBJECT

    static void type(Ui_Login &login, const QString &text)
    {
        login.passwordEdit()->clear();
        QTest::keyClicks(login.passwordEdit(), text);
    }

private slots:
    void init() { PasswordModifyMode = false; }

    void build_geometryAndDefaults()
    {
        TestRuntime rt;
        Ui_Login login;
        QCOMPARE(login.size(), QSize(340, 432));
        QCOMPARE(login.minimumSize(), QSize(340, 432));
        QCOMPARE(login.maximumSize(), QSize(340, 432));
        QCOMPARE(login.pos(), Frame_CentredPosition(Frame_PrimaryScreenSize(), QSize(340, 432)));
        QCOMPARE(login.passwordEdit()->echoMode(), QLineEdit::Password);
        QCOMPARE(login.pictureLabel()->geometry(), QRect(10, 10, 320, 180));
        QCOMPARE(login.languageCombo()->geometry(), QRect(180, 210, 150, 26));
        QCOMPARE(login.roleCombo()->geometry(), QRect(180, 256, 150, 26));
        QCOMPARE(login.passwordEdit()->geometry(), QRect(180, 302, 150, 26));
        QCOMPARE(login.modifyButton()->geometry(), QRect(10, 348, 150, 26));
        QCOMPARE(login.loginButton()->geometry(), QRect(180, 348, 150, 26));
        QCOMPARE(login.roleCombo()->count(), 2);
        QCOMPARE(login.roleCombo()->currentText(), QStringLiteral("admin"));
        QCOMPARE(login.roleCombo()->itemText(1), QStringLiteral("user"));
        QCOMPARE(login.chrome()->titleText()->text(), QStringLiteral(" UserLogin"));
        QCOMPARE(login.loginButton()->text(), QStringLiteral("Login"));
        QCOMPARE(login.modifyButton()->text(), QStringLiteral("Edit"));
        QVERIFY(login.pictureLabel()->pixmap(Qt::ReturnByValue).isNull());
    }

    void build_withPictures_showsThem()
    {
        TestRuntime rt;
        rt.copyPictures();
        Ui_Login login;
        QVERIFY(!login.pictureLabel()->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(login.pictureLabel()->hasScaledContents());
        QVERIFY(!login.chrome()->titleIcon()->pixmap(Qt::ReturnByValue).isNull());
    }

    void login_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("admin");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Via>("via");
        QTest::addColumn<bool>("ok");
        const QString d = QStringLiteral("428613");
        QTest::newRow("admin default, Enter") << 0 << d << d << d << Via::Enter << true;
        QTest::newRow("admin default, button") << 0 << d << d << d << Via::Button << true;
        QTest::newRow("user default, Enter") << 1 << d << d << d << Via::Enter << true;
        QTest::newRow("user default, button") << 1 << d << d << d << Via::Button << true;
        QTest::newRow("admin wrong") << 0 << d << d << "428614" << Via::Enter << false;
        QTest::newRow("user wrong, button") << 1 << d << d << "000000" << Via::Button << false;
        QTest::newRow("user role, admin's password") << 1 << "111111"
                                                     << "222222"
                                                     << "111111" << Via::Enter << false;
        QTest::newRow("admin role, user's password") << 0 << "111111"
                                                     << "222222"
                                                     << "222222" << Via::Enter << false;
        QTest::newRow("hand-edited non-digit password")
            << 0 << "s3cret!" << d << "s3cret!" << Via::Enter << true;
        QTest::newRow("case-sensitive") << 0 << "Secret" << d << "secret" << Via::Enter << false;
        QTest::newRow("empty stored, empty typed") << 1 << d << ""
                                                   << "" << Via::Button << true;
        QTest::newRow("empty stored, text typed") << 1 << d << ""
                                                  << "1" << Via::Enter << false;
        QTest::newRow("prefix only") << 0 << d << d << "42861" << Via::Enter << false;
    }
    void login()
    {
        QFETCH(int, role);
        QFETCH(QString, admin);
        QFETCH(QString, user);
        QFETCH(QString, typed);
        QFETCH(Via, via);
        QFETCH(bool, ok);
        TestRuntime rt;
        Spassword_Admin = admin;
        Spassword_User = user;
        Ui_Login login;
        login.SetupTexts(false);
        login.show();
        QVERIFY(QTest::qWaitForWindowExposed(&login));
        login.roleCombo()->setCurrentIndex(role);
        type(login, typed);

        QSignalSpy setup(&login, &Ui_Login::SGL_SETUP_UI_MAIN);
        bool visibleAtSignal = true;
        connect(&login, &Ui_Login::SGL_SETUP_UI_MAIN, this,
                [&] { visibleAtSignal = login.isVisible(); });
        ModalBoxDriver boxes;
        if (via == Via::Enter)
            QTest::keyClick(login.passwordEdit(), Qt::Key_Return);
        else
            QTest::mouseClick(login.loginButton(), Qt::LeftButton);

        if (ok) {
            QCOMPARE(setup.count(), 1);
            QVERIFY(!visibleAtSignal); // the dialog has closed before the hand-over
            QVERIFY(!login.isVisible());
            QCOMPARE(boxes.count(), 0);
        } else {
            QCOMPARE(setup.count(), 0);
            QVERIFY(login.isVisible());
            QCOMPARE(boxes.texts(), QStringList {"Password error!"});
            QCOMPARE(login.passwordEdit()->text(), typed);
        }
    }

    void login_emptyRoleCombo_doesNothing()
    {
        TestRuntime rt;
        Ui_Login login;
        login.roleCombo()->clear();
        QSignalSpy setup(&login, &Ui_Login::SGL_SETUP_UI_MAIN);
        ModalBoxDriver boxes;
        login.login_JudgePassword();
        QCOMPARE(setup.count(), 0);
        QCOMPARE(boxes.count(), 0);
    }

    void userPasswordChange_savedWhenBoxCloses()
    {
        TestRuntime rt;
        Ui_Login login;
        login.roleCombo()->setCurrentIndex(1);
        type(login, "428613");
        ModalBoxDriver boxes;
        QTest::mouseClick(login.modifyButton(), Qt::LeftButton);
        QCOMPARE(boxes.texts(), QStringList {"Please enter your change password!"});
        QVERIFY(PasswordModifyMode);
        QVERIFY(login.passwordEdit()->text().isEmpty());

        type(login, "135790");
        QByteArray line8WhileOpen = "unset";
        boxes.answer("OK", [&](QMessageBox *) {
            line8WhileOpen = rt.exists(ConfigIni) ? rt.lines(ConfigIni).value(7) : QByteArray();
        });
        QTest::mouseClick(login.modifyButton(), Qt::LeftButton);
        QCOMPARE(boxes.texts().last(), QStringLiteral("Password changed successfully!"));
        QCOMPARE(line8WhileOpen, QByteArray()); // nothing written before the box closed
        QCOMPARE(rt.lines(ConfigIni).size(), 18);
        QCOMPARE(rt.lines(ConfigIni).at(7), QByteArray("Spassword_User=135790"));
        QCOMPARE(rt.lines(ConfigIni).at(6), QByteArray("Spassword_Admin=428613"));
        QVERIFY(!PasswordModifyMode);
        QCOMPARE(login.passwordEdit()->text(), QStringLiteral("135790"));

        // The new password works at once, the old one no longer does.
        QSignalSpy setup(&login, &Ui_Login::SGL_SETUP_UI_MAIN);
        login.roleCombo()->setCurrentIndex(1);
        type(login, "428613");
        login.login_JudgePassword();
        QCOMPARE(setup.count(), 0);
        type(login, "135790");
        login.login_JudgePassword();
        QCOMPARE(setup.count(), 1);
    }

    void newPassword_refused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("five digits") << "12345";
        QTest::newRow("seven digits") << "1234567";
        QTest::newRow("with a space") << "123 45";
        QTest::newRow("leading space") << " 12345";
        QTest::newRow("arabic-indic digits") << QString::fromUtf8("١٢٣٤٥٦");
        QTest::newRow("one arabic-indic digit") << QString::fromUtf8("12345٦");
        QTest::newRow("letter") << "12345a";
        QTest::newRow("empty") << "";
    }
    void newPassword_refused()
    {
        QFETCH(QString, typed);
        TestRuntime rt;
        Ui_Login login;
        PasswordModifyMode = true;
        login.roleCombo()->setCurrentIndex(0); // the role is not looked at while awaiting
        login.passwordEdit()->setText(typed);
        ModalBoxDriver boxes;
        login.modify_PasswordGet();
        QCOMPARE(
            boxes.texts(),
            QStringList {"The password entered is illegal:The password must be six full digits"});
        QVERIFY(PasswordModifyMode);
        QVERIFY(login.passwordEdit()->text().isEmpty());
        QCOMPARE(Spassword_User, QStringLiteral("428613"));
        QVERIFY(!rt.exists(ConfigIni));
    }

    void adminCannotChange()
    {
        TestRuntime rt;
        Ui_Login login;
        type(login, "428613");
        ModalBoxDriver boxes;
        login.modify_PasswordGet();
        QCOMPARE(boxes.texts(), QStringList {"The password of admin cannot be modified!"});
        QVERIFY(!PasswordModifyMode);
        QCOMPARE(login.passwordEdit()->text(), QStringLiteral("428613"));
        QVERIFY(!rt.exists(ConfigIni));
    }

    void wrongOldUserPassword()
    {
        TestRuntime rt;
        Ui_Login login;
        login.roleCombo()->setCurrentIndex(1);
        type(login, "111111");
        ModalBoxDriver boxes;
        login.modify_PasswordGet();
        QCOMPARE(boxes.texts(),
                 QStringList {"Failed to verify the original password of the user!"});
        QVERIFY(!PasswordModifyMode);
        QCOMPARE(login.passwordEdit()->text(), QStringLiteral("111111"));
    }

    void isSixDigitPassword_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("six digits") << "428613" << true;
        QTest::newRow("zeros") << "000000" << true;
        QTest::newRow("five") << "42861" << false;
        QTest::newRow("seven") << "4286130" << false;
        QTest::newRow("space") << "42 613" << false;
        QTest::newRow("arabic-indic") << QString::fromUtf8("٤٢٨٦١٣") << false;
        QTest::newRow("fullwidth") << QString::fromUtf8("４２８６１３") << false;
        QTest::newRow("superscript") << QString::fromUtf8("42861³") << false;
        QTest::newRow("slash and colon") << "/:/:/:" << false;
        QTest::newRow("empty") << "" << false;
    }
    void isSixDigitPassword()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(Ui_Login::IsSixDigitPassword(text), valid);
    }

    void languageCombo_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("other");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("both") << true << true << QStringList {"English", "中文"};
        QTest::newRow("english only") << true << false << QStringList {"English"};
        QTest::newRow("other only") << false << true << QStringList {"中文"};
        QTest::newRow("none") << false << false << QStringList {};
    }
    void languageCombo()
    {
        QFETCH(bool, english);
        QFETCH(bool, other);
        QFETCH(QStringList, items);
        TestRuntime rt;
        rt.write(ConfigIni, TestRuntime::configFile(1, "1"));
        if (english)
            rt.writeLanguage(EnglishIni);
        if (other)
            rt.writeLanguage(OtherIni);
        Ui_Login login;
        QCOMPARE(comboItems(login.languageCombo()), items);

        // The not-initial set-up with the current language present switches nothing.
        const QByteArray configBefore = rt.read(ConfigIni);
        login.SetupTexts(false);
        QCOMPARE(login.languageCombo()->count(), items.size());
        QCOMPARE(rt.read(ConfigIni), configBefore);
    }

    void notInitialSetup_otherLanguageCurrent_selectsItOnce()
    {
        TestRuntime rt;
        rt.write(ConfigIni, TestRuntime::configFile(1, "0"));
        rt.writeLanguage(EnglishIni);
        Slabel_UserName = QStringLiteral("用户名:");
        rt.writeLanguage(OtherIni);
        TestRuntime::restoreDefaults();
        Config_Load(false); // as at start: key "0" loads the other file
        QCOMPARE(Slabel_UserName, QStringLiteral("用户名:"));

        Ui_Login login;
        QCOMPARE(login.languageCombo()->currentIndex(), 0);
        login.SetupTexts(false);
        QCOMPARE(login.languageCombo()->currentIndex(), 1);
        // The selection ran one switch to the same language: saved, then reloaded.
        QCOMPARE(Key_LanguageIsEnglish, QStringLiteral("0"));
        QCOMPARE(rt.lines(ConfigIni).at(0), QByteArray("Key_LanguageIsEnglish=0"));
        QCOMPARE(Slabel_UserName, QStringLiteral("用户名:"));
    }

    void languageSwitch_appliesOtherTextsAndResetsRole()
    {
        TestRuntime rt;
        rt.write(ConfigIni, TestRuntime::configFile(1, "1"));
        rt.writeLanguage(EnglishIni);
        SpushButton_Login = QStringLiteral("登录");
        Ui_Login_AppName = QStringLiteral(" 用户登录");
        rt.writeLanguage(OtherIni);
        TestRuntime::restoreDefaults();

        Ui_Login login;
        login.roleCombo()->setCurrentIndex(1);
        login.languageCombo()->setCurrentIndex(1);
        QCOMPARE(Key_LanguageIsEnglish, QStringLiteral("0"));
        QCOMPARE(login.loginButton()->text(), QStringLiteral("登录"));
        QCOMPARE(login.chrome()->titleText()->text(), QStringLiteral(" 用户登录"));
        QCOMPARE(login.roleCombo()->currentIndex(), 0);

        login.languageCombo()->setCurrentIndex(0);
        QCOMPARE(Key_LanguageIsEnglish, QStringLiteral("1"));
        QCOMPARE(login.loginButton()->text(), QStringLiteral("Login"));
    }
};

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
