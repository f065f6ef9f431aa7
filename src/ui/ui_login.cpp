#include "ui/ui_login.h"

#include "app/app_paths.h"
#include "app/config_file.h"
#include "app/config_values.h"
#include "app/language_texts.h"
#include "app/save_on_exit.h"
#include "ui/frame_chrome.h"
#include "ui/frame_geometry.h"
#include "ui/message_box.h"
#include "ui/page_access_names.h"
#include "ui/page_widgets.h"
#include "ui/picture_cache.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
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

QString PicturePath()
{
    return App_Path(QStringLiteral("/APP/Image/loginui_pic.png"));
}

template <class W>
W *placed(W *widget, int column, int row)
{
    widget->setGeometry(column, RowTop[row], CellWidth, CellHeight);
    return widget;
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
    const QPixmap picture = Picture_Get(PicturePath());
    if (!picture.isNull()) {
        m_pictureLabel->setPixmap(picture);
        m_pictureLabel->setScaledContents(true);
    }
    SetupTexts(true);

    connect(m_languageCombo, &QComboBox::currentTextChanged, this, &Ui_Login::SLT_ReloadUILanguage);
    connect(m_passwordEdit, &QLineEdit::returnPressed, this, &Ui_Login::login_JudgePassword);
    connect(m_loginButton, &QPushButton::clicked, this, &Ui_Login::login_JudgePassword);
    connect(m_modifyButton, &QPushButton::clicked, this, &Ui_Login::modify_PasswordGet);
}

Ui_Login::~Ui_Login()
{
    Config_SaveOnExit();
}

void Ui_Login::build()
{
    m_contentWidget = new QWidget(this);
    setContentWidget(m_contentWidget);
    m_panel = new QFrame(m_contentWidget);
    m_panel->setObjectName(QStringLiteral("LoginPanel"));
    m_panel->setFrameStyle(QFrame::Box | QFrame::Raised);
    m_panel->setGeometry(0, 0, PanelWidth, PanelHeight);

    m_pictureLabel = new QLabel(m_panel);
    m_pictureLabel->setObjectName(QStringLiteral("LoginPicture"));
    m_pictureLabel->setGeometry(10, 10, 320, 180);

    m_languageLabel = placed(new QLabel(m_panel), LeftColumn, 0);
    m_languageCombo = placed(Page_Combo(m_panel, QStringLiteral("LoginLanguage")), RightColumn, 0);
    m_userLabel = placed(new QLabel(m_panel), LeftColumn, 1);
    m_roleCombo = placed(Page_Combo(m_panel, QStringLiteral("LoginRole")), RightColumn, 1);
    m_passwordLabel = placed(new QLabel(m_panel), LeftColumn, 2);
    m_passwordEdit = placed(new QLineEdit(m_panel), RightColumn, 2);
    m_passwordEdit->setObjectName(QStringLiteral("LoginPassword"));
    m_modifyButton = placed(createButton(m_panel, "LoginModify"), LeftColumn, 3);
    m_loginButton = placed(createButton(m_panel, "LoginButton"), RightColumn, 3);
}

void Ui_Login::SetupTexts(bool initial)
{
    if (initial) {
        const QSize size(PanelWidth, PanelHeight + FrameChrome::TitleBarHeight);
        setFixedSize(size);
        move(Frame_CentredPosition(Frame_PrimaryScreenSize(), size));
        setTitleIcon(App_Path(QStringLiteral("/APP/Image/loginui_logo.png")));
        m_passwordEdit->setEchoMode(QLineEdit::Password);
    }
    setTitleText(Ui_Login_AppName);
    m_languageLabel->setText(Slabel_Language);
    m_userLabel->setText(Slabel_UserName);
    m_passwordLabel->setText(Slabel_Password);
    m_modifyButton->setText(SpushButton_Modify);
    m_loginButton->setText(SpushButton_Login);
    fillLanguageCombo(initial);
    m_roleCombo->clear();
    m_roleCombo->addItem(ScomboBox_Admin);
    m_roleCombo->addItem(ScomboBox_User);
    Access_NameLogin(*this);
}

void Ui_Login::fillLanguageCombo(bool initial)
{
    const bool english = Language_FileExists(true);
    const bool other = Language_FileExists(false);
    if (initial) {
        m_languageCombo->clear();
        if (english)
            m_languageCombo->addItem(ScomboBox_LanguageSelect[0]);
        if (other)
            m_languageCombo->addItem(ScomboBox_LanguageSelect[1]);
        return;
    }

    int count = 0;
    if (english) {
        m_languageCombo->setItemText(0, ScomboBox_LanguageSelect[0]);
        ++count;
    }
    if (other) {
        m_languageCombo->setItemText(1, ScomboBox_LanguageSelect[1]);
        ++count;
    }
    const bool currentIsEnglish = Key_LanguageIsEnglish == QLatin1String("1");
    if (!Language_FileExists(currentIsEnglish))
        return;
    if (count == 2)
        m_languageCombo->setCurrentIndex(currentIsEnglish ? 0 : 1);
    else if (count == 1)
        m_languageCombo->setCurrentIndex(0);
}

void Ui_Login::PrefetchPicture()
{
    Picture_Prefetch(PicturePath());
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
    const int role = m_roleCombo->currentIndex();
    const QString typed = m_passwordEdit->text();
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
        const QString typed = m_passwordEdit->text();
        if (IsSixDigitPassword(typed)) {
            PasswordModifyMode = false;
            Spassword_User = typed;
            MessageBox_Info(SMSG_UserModifyPasswordOK, this);
            Config_SaveAll();
        } else {
            m_passwordEdit->clear();
            MessageBox_Info(SMSG_UserModifyPasswordFail, this);
        }
        return;
    }
    if (m_roleCombo->currentText() == ScomboBox_Admin) {
        MessageBox_Info(SMSG_AdminModidy, this);
    } else if (m_passwordEdit->text() == Spassword_User) {
        PasswordModifyMode = true;
        m_passwordEdit->clear();
        MessageBox_Info(SMSG_UserModifyPassword, this);
    } else {
        MessageBox_Info(SMSG_UserOriginalPassword, this);
    }
}
