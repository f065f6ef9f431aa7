#include "ui/ui_login.h"

#include "app/app_paths.h"
#include "app/config_file.h"
#include "app/config_values.h"
#include "app/language_texts.h"
#include "app/save_on_exit.h"
#include "ui/frame_chrome.h"
#include "ui/frame_geometry.h"
#include "ui/message_box.h"
#include "ui/png_resave.h"

#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPushButton>

bool PasswordModifyMode = false;

namespace {
constexpr int PanelWidth = 340;
constexpr int PanelHeight = 384;
constexpr int CellWidth = 150;
constexpr int CellHeight = 26;
constexpr int LeftColumn = 10;
constexpr int RightColumn = 180;
constexpr int RowTop[] = {210, 256, 302, 348};

template <class W>
W *placed(W *widget, int column, int row)
{
    widget->setGeometry(column, RowTop[row], CellWidth, CellHeight);
    return widget;
}

QComboBox *createCombo(QWidget *parent, const char *objectName)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(objectName));
    combo->setView(new QListView(combo)); // lets the style sheet reach the popup's items
    return combo;
}

QPushButton *createButton(QWidget *parent, const char *objectName)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(objectName));
    // Enter in the password field logs in through returnPressed alone; a default button
    // would press a second time.
    button->setAutoDefault(false);
    return button;
}
} // namespace

Ui_Login::Ui_Login()
    : MyFramelessDialog(nullptr)
{
    build();
    const QString picture = App_Path(QStringLiteral("/APP/Image/loginui_pic.png"));
    Png_Resave(picture);
    if (QFile::exists(picture)) {
        pictureLabel_->setPixmap(QPixmap(picture));
        pictureLabel_->setScaledContents(true);
    }
    SetupTexts(true);

    connect(languageCombo_, &QComboBox::currentTextChanged, this, &Ui_Login::SLT_ReloadUILanguage);
    connect(passwordEdit_, &QLineEdit::returnPressed, this, &Ui_Login::login_JudgePassword);
    connect(loginButton_, &QPushButton::clicked, this, &Ui_Login::login_JudgePassword);
    connect(modifyButton_, &QPushButton::clicked, this, &Ui_Login::modify_PasswordGet);
}

Ui_Login::~Ui_Login()
{
    Config_SaveOnExit();
}

void Ui_Login::build()
{
    contentWidget_ = new QWidget(this);
    setContentWidget(contentWidget_);
    panel_ = new QFrame(contentWidget_);
    panel_->setObjectName(QStringLiteral("LoginPanel"));
    panel_->setFrameStyle(QFrame::Box | QFrame::Raised);
    panel_->setGeometry(0, 0, PanelWidth, PanelHeight);

    pictureLabel_ = new QLabel(panel_);
    pictureLabel_->setObjectName(QStringLiteral("LoginPicture"));
    pictureLabel_->setGeometry(10, 10, 320, 180);

    languageLabel_ = placed(new QLabel(panel_), LeftColumn, 0);
    languageCombo_ = placed(createCombo(panel_, "LoginLanguage"), RightColumn, 0);
    userLabel_ = placed(new QLabel(panel_), LeftColumn, 1);
    roleCombo_ = placed(createCombo(panel_, "LoginRole"), RightColumn, 1);
    passwordLabel_ = placed(new QLabel(panel_), LeftColumn, 2);
    passwordEdit_ = placed(new QLineEdit(panel_), RightColumn, 2);
    passwordEdit_->setObjectName(QStringLiteral("LoginPassword"));
    modifyButton_ = placed(createButton(panel_, "LoginModify"), LeftColumn, 3);
    loginButton_ = placed(createButton(panel_, "LoginButton"), RightColumn, 3);
}

void Ui_Login::SetupTexts(bool initial)
{
    if (initial) {
        const QSize size(PanelWidth, PanelHeight + FrameChrome::TitleBarHeight);
        setFixedSize(size);
        move(Frame_CentredPosition(Frame_PrimaryScreenSize(), size));
        setTitleIcon(App_Path(QStringLiteral("/APP/Image/loginui_logo.png")));
        passwordEdit_->setEchoMode(QLineEdit::Password);
    }
    setTitleText(Ui_Login_AppName);
    languageLabel_->setText(Slabel_Language);
    userLabel_->setText(Slabel_UserName);
    passwordLabel_->setText(Slabel_Password);
    modifyButton_->setText(SpushButton_Modify);
    loginButton_->setText(SpushButton_Login);
    fillLanguageCombo(initial);
    roleCombo_->clear();
    roleCombo_->addItem(ScomboBox_Admin);
    roleCombo_->addItem(ScomboBox_User);
}

void Ui_Login::fillLanguageCombo(bool initial)
{
    const bool english = Language_FileExists(true);
    const bool other = Language_FileExists(false);
    if (initial) {
        languageCombo_->clear();
        if (english)
            languageCombo_->addItem(ScomboBox_LanguageSelect[0]);
        if (other)
            languageCombo_->addItem(ScomboBox_LanguageSelect[1]);
        return;
    }

    int count = 0;
    if (english) {
        languageCombo_->setItemText(0, ScomboBox_LanguageSelect[0]);
        ++count;
    }
    if (other) {
        languageCombo_->setItemText(1, ScomboBox_LanguageSelect[1]);
        ++count;
    }
    const bool currentIsEnglish = Key_LanguageIsEnglish == QLatin1String("1");
    if (!Language_FileExists(currentIsEnglish))
        return;
    if (count == 2)
        languageCombo_->setCurrentIndex(currentIsEnglish ? 0 : 1);
    else if (count == 1)
        languageCombo_->setCurrentIndex(0);
}

bool Ui_Login::IsSixDigitPassword(const QString &text)
{
    if (text.size() != 6)
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

void Ui_Login::SLT_ReloadUILanguage(QString LanguageText)
{
    Language_Switch(LanguageText);
    SetupTexts(false);
}

void Ui_Login::login_JudgePassword()
{
    const int role = roleCombo_->currentIndex();
    const QString typed = passwordEdit_->text();
    const QString *stored = role == 0 ? &Spassword_Admin : role == 1 ? &Spassword_User : nullptr;
    if (!stored)
        return;
    if (typed == *stored) {
        close();
        emit SGL_SETUP_UI_MAIN();
        return;
    }
    MessageBox_Info(SMSG_InputPasswordError, this);
}

void Ui_Login::modify_PasswordGet()
{
    if (PasswordModifyMode) {
        const QString typed = passwordEdit_->text();
        if (IsSixDigitPassword(typed)) {
            PasswordModifyMode = false;
            Spassword_User = typed;
            MessageBox_Info(SMSG_UserModifyPasswordOK, this);
            Config_SaveAll();
        } else {
            passwordEdit_->clear();
            MessageBox_Info(SMSG_UserModifyPasswordFail, this);
        }
        return;
    }
    if (roleCombo_->currentText() == ScomboBox_Admin) {
        MessageBox_Info(SMSG_AdminModidy, this);
    } else if (passwordEdit_->text() == Spassword_User) {
        PasswordModifyMode = true;
        passwordEdit_->clear();
        MessageBox_Info(SMSG_UserModifyPassword, this);
    } else {
        MessageBox_Info(SMSG_UserOriginalPassword, this);
    }
}
