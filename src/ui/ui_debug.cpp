#include "ui/ui_debug.h"

#include "app/panel_prefs.h"
#include "link/wire_log.h"
#include "link/wire_log_file.h"
#include "ui/debug_texts.h"
#include "ui/frame_geometry.h"
#include "ui/throttled_call.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>

namespace {
// Fixed captions of this window; they are not translated.
const char *const RecvCaption = "Recv:";
const char *const SendCaption = "Send:";
const char *const HexFormat = "HEX FORMAT";
const char *const AsciiFormat = "ASCII FORMAT";

const char *const PrefGeometry = "terminal/geometry";
const char *const PrefLineEnd = "terminal/lineEnding";
const char *const PrefTime = "terminal/timestamps";
const char *const PrefHexInput = "terminal/hexInput";

QTextEdit *pane(QWidget *parent, bool readOnly)
{
    auto *edit = new QTextEdit(parent);
    edit->setReadOnly(readOnly);
    edit->setAcceptRichText(false);
    edit->setLineWrapMode(QTextEdit::NoWrap);
    edit->document()->setMaximumBlockCount(DebugPaneMaxBlocks);
    return edit;
}

QSize debugWindowSize(const QSize &screen)
{
    return QSize(screen.width() >= 1920 ? 640 : screen.width() / 3,
                 screen.height() >= 1080 ? 540 : screen.height() / 2);
}
} // namespace

Ui_Debug::Ui_Debug()
    : QWidget(nullptr)
{
    // A window of its own: the style sheet's background reaches it only when styled.
    setAttribute(Qt::WA_StyledBackground, true);
    m_render = new ThrottledCall(
        ThrottledCall::ViewIntervalMs, [this] { render(); }, this);
    build();
    setWindowTitle(QStringLiteral("Debug"));
    const QSize screen = Frame_PrimaryScreenSize();
    resize(debugWindowSize(screen));
    move(Frame_CentredPosition(screen, size()));
    // Where the operator left it last time, if that is still a usable place.
    restoreGeometry(Prefs_Value(QLatin1String(PrefGeometry)).toByteArray());

    m_inputStart = QTextCursor(m_sendPane->document());
    m_inputStart.setKeepPositionOnInsert(true);
    m_sendPane->installEventFilter(this);
    m_findEdit->installEventFilter(this);

    m_logFile = new WireLogFile(this);
    connect(m_logFile, &WireLogFile::failed, this, &Ui_Debug::logFailed);

    connect(m_recvClearButton, &QPushButton::clicked, this, &Ui_Debug::SLT_CLEAR_RECV_DATA);
    connect(m_sendClearButton, &QPushButton::clicked, this, &Ui_Debug::SLT_CLEAR_SEND_DATA);
    connect(m_sendButton, &QPushButton::clicked, this, &Ui_Debug::SLT_SEND_DATA);
    connect(m_hexButton, &QPushButton::clicked, this, &Ui_Debug::SLT_SELECT_HEX_FORMAT);
    connect(m_asciiButton, &QPushButton::clicked, this, &Ui_Debug::SLT_SELECT_ASCII_FORMAT);
    connect(m_wireButton, &QPushButton::toggled, this, [this](bool on) {
        m_recvPane->setVisible(!on);
        m_wireView->setVisible(on);
        if (!on)
            m_findEdit->hide();
        scheduleRender();
    });
    connect(m_timeBox, &QCheckBox::toggled, this, [this](bool on) {
        Prefs_SetValue(QLatin1String(PrefTime), on);
        invalidateAll();
    });
    connect(m_hexInputBox, &QCheckBox::toggled, this,
            [](bool on) { Prefs_SetValue(QLatin1String(PrefHexInput), on); });
    connect(m_lineEndBox, qOverload<int>(&QComboBox::activated), this,
            [](int index) { Prefs_SetValue(QLatin1String(PrefLineEnd), index); });
    connect(m_saveButton, &QPushButton::clicked, this, &Ui_Debug::saveClicked);
    connect(m_logBox, &QCheckBox::clicked, this, &Ui_Debug::logToggled);
    connect(m_findEdit, &QLineEdit::returnPressed, this, &Ui_Debug::findNext);

    // Escape and Alt+Z close the window, wherever the focus is in it.
    for (const QKeySequence &key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::ALT | Qt::Key_Z)}) {
        auto *shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &Ui_Debug::SLT_CLOSE_UI_DEBUG);
    }
    auto *find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WindowShortcut);
    connect(find, &QShortcut::activated, this, &Ui_Debug::toggleFind);

    RetranslateExtras();
    restoreOptions();
    loadSnippets();
}

void Ui_Debug::RetranslateExtras()
{
    m_wireButton->setText(Extra_Text(DebugWireText));
    m_wireButton->setToolTip(Extra_Text(DebugWireTip));
    m_wireView->setAccessibleName(Extra_Text(DebugWireText));
    m_recvPane->setAccessibleName(Extra_Text(DebugRecvPaneName));
    m_sendPane->setAccessibleName(Extra_Text(DebugSendPaneName));
    m_recvClearButton->setAccessibleName(
        Extra_Text(DebugClearName).arg(Extra_Text(DebugRecvPaneName)));
    m_sendClearButton->setAccessibleName(
        Extra_Text(DebugClearName).arg(Extra_Text(DebugSendPaneName)));
    m_saveButton->setText(Extra_Text(DebugSaveText));
    m_findEdit->setPlaceholderText(Extra_Text(DebugFindTip));
    m_findEdit->setAccessibleName(Extra_Text(DebugFindTip));
    m_lineEndBox->setItemText(3, Extra_Text(DebugLineEndNone));
    m_lineEndBox->setToolTip(Extra_Text(DebugLineEndTip));
    m_lineEndBox->setAccessibleName(Extra_Text(DebugLineEndTip));
    m_hexInputBox->setText(Extra_Text(DebugHexInputText));
    m_timeBox->setText(Extra_Text(DebugTimeText));
    m_logBox->setText(Extra_Text(DebugLogText));
    m_addSnippetButton->setText(Extra_Text(DebugAddSnippetText));
    invalidateAll(); // the wire view's words
}

Ui_Debug::~Ui_Debug()
{
    // Closed with the panel while open: no hide event reaches this class any more.
    if (isVisible())
        Prefs_SetValue(QLatin1String(PrefGeometry), saveGeometry());
}

void Ui_Debug::build()
{
    m_recvLabel = new QLabel(this);
    m_recvPane = pane(this, true);
    m_recvClearButton = new QPushButton(QStringLiteral("Clear"), this);
    m_sendLabel = new QLabel(this);
    m_sendPane = pane(this, false);
    m_sendClearButton = new QPushButton(QStringLiteral("Clear"), this);
    m_sendButton = new QPushButton(QStringLiteral("Send"), this);
    m_hexButton = new QPushButton(QString::fromLatin1(HexFormat), this);
    m_asciiButton = new QPushButton(QString::fromLatin1(AsciiFormat), this);
    setFormatCaptions(AsciiFormat);

    m_wireButton = new QPushButton(this);
    m_wireButton->setCheckable(true);
    m_wireView = new QPlainTextEdit(this);
    m_wireView->setReadOnly(true);
    m_wireView->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_wireView->setMaximumBlockCount(WireLogMaxViewLines);
    m_wireView->hide();
    m_saveButton = new QPushButton(this);
    m_findEdit = new QLineEdit(this);
    m_findEdit->setClearButtonEnabled(true);
    m_findEdit->hide();

    auto *recvGrid = new QGridLayout;
    recvGrid->addWidget(m_recvLabel, 0, 0);
    recvGrid->addWidget(m_recvPane, 1, 0, 6, 8);
    recvGrid->addWidget(m_wireView, 1, 0, 6, 8);
    recvGrid->addWidget(m_recvClearButton, 1, 9);
    recvGrid->addWidget(m_wireButton, 2, 9);
    recvGrid->addWidget(m_saveButton, 3, 9);
    recvGrid->addWidget(m_findEdit, 7, 0, 1, 8);
    auto *sendGrid = new QGridLayout;
    sendGrid->addWidget(m_sendLabel, 0, 0);
    sendGrid->addWidget(m_sendPane, 1, 0, 6, 8);
    sendGrid->addWidget(m_sendClearButton, 1, 9);
    sendGrid->addWidget(m_sendButton, 2, 9);
    auto *formatRow = new QHBoxLayout;
    formatRow->addWidget(m_hexButton);
    formatRow->addWidget(m_asciiButton);
    auto *outer = new QGridLayout(this);
    outer->addLayout(recvGrid, 0, 0);
    outer->addLayout(sendGrid, 1, 0);
    outer->addLayout(formatRow, 2, 0);
    outer->addLayout(buildOptionsRow(), 3, 0);
    buildSnippetRow();
    outer->addLayout(m_snippetRow, 4, 0);
    m_messageLabel = new QLabel(this);
    m_messageLabel->setWordWrap(true);
    outer->addWidget(m_messageLabel, 5, 0);
    // The panes take the height; the rows of options keep theirs.
    outer->setRowStretch(0, 1);
    outer->setRowStretch(1, 1);
}

QHBoxLayout *Ui_Debug::buildOptionsRow()
{
    m_lineEndBox = new QComboBox(this);
    m_lineEndBox->addItems(
        {QStringLiteral("CR LF"), QStringLiteral("CR"), QStringLiteral("LF"), QString()});
    m_hexInputBox = new QCheckBox(this);
    m_timeBox = new QCheckBox(this);
    m_logBox = new QCheckBox(this);
    auto *row = new QHBoxLayout;
    row->addWidget(m_lineEndBox);
    row->addWidget(m_hexInputBox);
    row->addWidget(m_timeBox);
    row->addWidget(m_logBox);
    row->addStretch(1);
    return row;
}

void Ui_Debug::restoreOptions()
{
    m_lineEndBox->setCurrentIndex(Prefs_Int(QLatin1String(PrefLineEnd), 0, 0, 3));
    m_timeBox->setChecked(Prefs_Value(QLatin1String(PrefTime), false).toBool());
    m_hexInputBox->setChecked(Prefs_Value(QLatin1String(PrefHexInput), false).toBool());
}

void Ui_Debug::setFormatCaptions(const char *format)
{
    const bool hex = qstrcmp(format, HexFormat) == 0;
    m_recvLabel->setText(QLatin1String(RecvCaption) + QLatin1String(format));
    m_sendLabel->setText(QLatin1String(SendCaption) + QLatin1String(format));
    m_hexButton->setEnabled(!hex);
    m_asciiButton->setEnabled(hex);
}

void Ui_Debug::showMessage(const QString &text)
{
    m_messageLabel->setText(text);
}

void Ui_Debug::SLT_SETUP_UI_DEBUG()
{
    show();
    raise();
    activateWindow();
}

void Ui_Debug::SLT_CLOSE_UI_DEBUG()
{
    close();
}

void Ui_Debug::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    scheduleRender();
}

void Ui_Debug::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        Prefs_SetValue(QLatin1String(PrefGeometry), saveGeometry());
}

void Ui_Debug::SLT_CLEAR_RECV_DATA()
{
    m_recv.lines.clear();
    m_recv.unshown = 0;
    m_recvPane->clear();
    if (m_wireButton->isChecked() && m_wireLog) {
        m_wireFromSeq = m_wireShownSeq = m_wireLog->nextSeq();
        m_wireView->clear();
    }
}

void Ui_Debug::SLT_CLEAR_SEND_DATA()
{
    m_send.lines.clear();
    m_send.unshown = 0;
    m_sendPane->clear();
    m_inputStart = QTextCursor(m_sendPane->document());
    m_inputStart.setKeepPositionOnInsert(true);
}

// The panes show the bytes as hex pairs; what is typed is sent as typed (hex input is an
// option of its own).
void Ui_Debug::SLT_SELECT_HEX_FORMAT()
{
    setFormatCaptions(HexFormat);
    m_hex = true;
    invalidateAll();
}

void Ui_Debug::SLT_SELECT_ASCII_FORMAT()
{
    setFormatCaptions(AsciiFormat);
    m_hex = false;
    invalidateAll();
}

void Ui_Debug::SLT_Sync_Show_Recv(const QString &text)
{
    push(m_recv, text.toUtf8());
}

// The echo is the link's Latin-1 rendering of the bytes it wrote: one character per byte.
void Ui_Debug::SLT_Sync_Show_Send(const QString &text)
{
    push(m_send, text.toLatin1());
}

void Ui_Debug::ShowReceived(const QByteArray &line)
{
    push(m_recv, line);
}

bool Ui_Debug::eventFilter(QObject *watched, QEvent *event)
{
    // Escape in the find field only closes the field, not the window.
    if (event->type() == QEvent::ShortcutOverride && watched == m_findEdit
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (watched == m_sendPane)
            return keyInInput(key);
        if (watched == m_findEdit && key->key() == Qt::Key_Escape) {
            m_findEdit->hide();
            m_wireView->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
