#include "ui/ui_debug.h"

#include "link/debug_wire.h"
#include "link/link_context.h"
#include "ui/frame_geometry.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {
// Fixed captions of this window; they are not translated.
const char *const RecvCaption = "Recv:";
const char *const SendCaption = "Send:";
const char *const HexFormat = "HEX FORMAT";
const char *const AsciiFormat = "ASCII FORMAT";

QTextEdit *pane(QWidget *parent, bool readOnly)
{
    auto *edit = new QTextEdit(parent);
    edit->setReadOnly(readOnly);
    edit->setAcceptRichText(false);
    edit->setLineWrapMode(QTextEdit::NoWrap);
    edit->document()->setMaximumBlockCount(DebugPaneMaxBlocks);
    return edit;
}

bool endsWithLineEnd(const QString &text)
{
    return text.endsWith(QLatin1Char('\r')) || text.endsWith(QLatin1Char('\n'));
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
    build();
    setWindowTitle(QStringLiteral("Debug"));
    const QSize screen = Frame_PrimaryScreenSize();
    resize(debugWindowSize(screen));
    move(Frame_CentredPosition(screen, size()));

    m_inputStart = QTextCursor(m_sendPane->document());
    m_inputStart.setKeepPositionOnInsert(true);
    m_sendPane->installEventFilter(this);

    connect(m_recvClearButton, &QPushButton::clicked, this, &Ui_Debug::SLT_CLEAR_RECV_DATA);
    connect(m_sendClearButton, &QPushButton::clicked, this, &Ui_Debug::SLT_CLEAR_SEND_DATA);
    connect(m_sendButton, &QPushButton::clicked, this, &Ui_Debug::SLT_SEND_DATA);
    connect(m_hexButton, &QPushButton::clicked, this, &Ui_Debug::SLT_SELECT_HEX_FORMAT);
    connect(m_asciiButton, &QPushButton::clicked, this, &Ui_Debug::SLT_SELECT_ASCII_FORMAT);
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

    auto *recvGrid = new QGridLayout;
    recvGrid->addWidget(m_recvLabel, 0, 0);
    recvGrid->addWidget(m_recvPane, 1, 0, 6, 8);
    recvGrid->addWidget(m_recvClearButton, 1, 9);
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
}

void Ui_Debug::setFormatCaptions(const char *format)
{
    const bool hex = qstrcmp(format, HexFormat) == 0;
    m_recvLabel->setText(QLatin1String(RecvCaption) + QLatin1String(format));
    m_sendLabel->setText(QLatin1String(SendCaption) + QLatin1String(format));
    m_hexButton->setEnabled(!hex);
    m_asciiButton->setEnabled(hex);
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

void Ui_Debug::SLT_CLEAR_RECV_DATA()
{
    m_recvPane->clear();
}

void Ui_Debug::SLT_CLEAR_SEND_DATA()
{
    m_sendPane->clear();
    m_inputStart = QTextCursor(m_sendPane->document());
    m_inputStart.setKeepPositionOnInsert(true);
}

// The panes only change their captions: what is shown and sent is always the text itself.
void Ui_Debug::SLT_SELECT_HEX_FORMAT()
{
    setFormatCaptions(HexFormat);
}

void Ui_Debug::SLT_SELECT_ASCII_FORMAT()
{
    setFormatCaptions(AsciiFormat);
}

void Ui_Debug::SLT_Sync_Show_Recv(const QString &text)
{
    m_recvPane->moveCursor(QTextCursor::End);
    m_recvPane->insertPlainText(text);
}

void Ui_Debug::SLT_Sync_Show_Send(const QString &text)
{
    QTextCursor echo(m_sendPane->document());
    echo.setPosition(m_inputStart.position());
    echo.insertText(text);
    if (!endsWithLineEnd(text))
        echo.insertBlock(); // the pending input keeps a line of its own
    m_inputStart.setPosition(echo.position());
}

QString Ui_Debug::PendingInput() const
{
    // Only the position of m_inputStart is kept on insert, not its anchor: start afresh.
    QTextCursor input(m_sendPane->document());
    input.setPosition(m_inputStart.position());
    input.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    return input.selection().toPlainText();
}

void Ui_Debug::SLT_SEND_DATA()
{
    const DebugWire wire = Debug_WireBytes(PendingInput());
    if (wire.bytes.isEmpty())
        return;
    // Raw bytes, no attributes: no CR is added and no reply is awaited. Without a link the
    // input stays pending.
    if (Cmd_EnqueueRaw(wire.bytes.constData(), wire.bytes.size()) == 0)
        return;
    commitInput(wire.consumed);
    emit SGL_UpdateEmit();
}

void Ui_Debug::commitInput(int sent)
{
    QTextCursor end(m_sendPane->document());
    end.setPosition(m_inputStart.position() + sent);
    if (!end.atBlockStart())
        end.insertBlock();
    m_inputStart.setPosition(end.position());
    if (m_sendPane->textCursor().position() < m_inputStart.position())
        m_sendPane->moveCursor(QTextCursor::End);
}

bool Ui_Debug::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_sendPane && event->type() == QEvent::KeyPress)
        return keepTypingInInput(static_cast<QKeyEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

// Edits by keyboard go into the pending input, never into the history above it. Returns
// true when the key is swallowed (a Backspace that would join the input to the history).
bool Ui_Debug::keepTypingInInput(const QKeyEvent *event)
{
    const bool edits = !event->text().isEmpty() || event->key() == Qt::Key_Backspace
        || event->key() == Qt::Key_Delete || event->matches(QKeySequence::Paste)
        || event->matches(QKeySequence::Cut);
    if (!edits || event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll))
        return false;
    QTextCursor caret = m_sendPane->textCursor();
    const int start = m_inputStart.position();
    if (caret.selectionStart() < start) {
        caret.clearSelection();
        caret.movePosition(QTextCursor::End);
        m_sendPane->setTextCursor(caret);
    }
    return event->key() == Qt::Key_Backspace && !caret.hasSelection() && caret.position() <= start;
}
