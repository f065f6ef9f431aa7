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
    // Starts reading the dialog's picture in the background while the dialog is being built.
    static void PrefetchPicture();

    QComboBox *languageCombo() const { return m_languageCombo; }
    QComboBox *roleCombo() const { return m_roleCombo; }
    QLineEdit *passwordEdit() const { return m_passwordEdit; }
    QPushButton *loginButton() const { return m_loginButton; }
    QPushButton *modifyButton() const { return m_modifyButton; }
    QLabel *pictureLabel() const { return m_pictureLabel; }

signals:
    void SGL_SETUP_UI_MAIN();

public slots:
    void SLT_ReloadUILanguage(QString LanguageText);
    void login_JudgePassword();
    void modify_PasswordGet();

private:
    void build();
    void fillLanguageCombo(bool initial);

    QWidget *m_contentWidget = nullptr;
    QFrame *m_panel = nullptr;
    QLabel *m_pictureLabel = nullptr;
    QLabel *m_languageLabel = nullptr;
    QComboBox *m_languageCombo = nullptr;
    QLabel *m_userLabel = nullptr;
    QComboBox *m_roleCombo = nullptr;
    QLabel *m_passwordLabel = nullptr;
    QLineEdit *m_passwordEdit = nullptr;
    QPushButton *m_modifyButton = nullptr;
    QPushButton *m_loginButton = nullptr;
};
