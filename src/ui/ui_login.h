// The login dialog: language, role and password. A correct password closes it and hands
// over to the main window; the user role can also change its own password here.
#pragma once

#include "ui/my_frameless_dialog.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// True between a verified old user password and the storing of the new one.
extern bool PasswordModifyMode;

class Ui_Login : public MyFramelessDialog
{
    Q_OBJECT

public:
    Ui_Login();
    ~Ui_Login() override;

    // Sets every text; `initial` also fixes the size and position, the title icon and the
    // masked input, and refills the language combo instead of renaming its items.
    void SetupTexts(bool initial);

    // Exactly six characters, each an ASCII digit.
    static bool IsSixDigitPassword(const QString &text);

    QComboBox *languageCombo() const { return languageCombo_; }
    QComboBox *roleCombo() const { return roleCombo_; }
    QLineEdit *passwordEdit() const { return passwordEdit_; }
    QPushButton *loginButton() const { return loginButton_; }
    QPushButton *modifyButton() const { return modifyButton_; }
    QLabel *pictureLabel() const { return pictureLabel_; }

signals:
    void SGL_SETUP_UI_MAIN();

public slots:
    void SLT_ReloadUILanguage(QString LanguageText);
    void login_JudgePassword();
    void modify_PasswordGet();

private:
    void build();
    void fillLanguageCombo(bool initial);

    QWidget *contentWidget_ = nullptr;
    QFrame *panel_ = nullptr;
    QLabel *pictureLabel_ = nullptr;
    QLabel *languageLabel_ = nullptr;
    QComboBox *languageCombo_ = nullptr;
    QLabel *userLabel_ = nullptr;
    QComboBox *roleCombo_ = nullptr;
    QLabel *passwordLabel_ = nullptr;
    QLineEdit *passwordEdit_ = nullptr;
    QPushButton *modifyButton_ = nullptr;
    QPushButton *loginButton_ = nullptr;
};
