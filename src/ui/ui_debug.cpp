#include "ui/ui_debug.h"

#include "link/link_context.h"
#include "ui/debug_wire.h"
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

    inputStart_ = QTextCursor(sendPane_->document());
    inputStart_.setKeepPositionOnInsert(true);
    sendPane_->installEventFilter(this);

    connect(recvClearButton_, &QPushButton::clicked, this, &Ui_Debug::SLT_CLEAR_RECV_DATA);
    connect(sendClearButton_, &QPushButton::clicked, this, &Ui_Debug::SLT_CLEAR_SEND_DATA);
    connect(sendButton_, &QPushButton::clicked, this, &Ui_Debug::SLT_SEND_DATA);
    connect(hexButton_, &QPushButton::clicked, this, &Ui_Debug::SLT_SELECT_HEX_FORMAT);
    connect(asciiButton_, &QPushButton::clicked, this, &Ui_Debug::SLT_SELECT_ASCII_FORMAT);
}

void Ui_Debug::build()
{
    recvLabel_ = new QLabel(this);
    recvPane_ = pane(this, true);
    recvClearButton_ = new QPushButton(QStringLiteral("Clear"), this);
    sendLabel_ = new QLabel(this);
    sendPane_ = pane(this, false);
    sendClearButton_ = new QPushButton(QStringLiteral("Clear"), this);
    sendButton_ = new QPushButton(QStringLiteral("Send"), this);
    hexButton_ = new QPushButton(QString::fromLatin1(HexFormat), this);
    asciiButton_ = new QPushButton(QString::fromLatin1(AsciiFormat), this);
    setFormatCaptions(AsciiFormat);

    auto *recvGrid = new QGridLayout;
    recvGrid->addWidget(recvLabel_, 0, 0);
    recvGrid->addWidget(recvPane_, 1, 0, 6, 8);
    recvGrid->addWidget(recvClearButton_, 1, 9);
    auto *sendGrid = new QGridLayout;
    sendGrid->addWidget(sendLabel_, 0, 0);
    sendGrid->addWidget(sendPane_, 1, 0, 6, 8);
    sendGrid->addWidget(sendClearButton_, 1, 9);
    sendGrid->addWidget(sendButton_, 2, 9);
    auto *formatRow = new QHBoxLayout;
    formatRow->addWidget(hexButton_);
    formatRow->addWidget(asciiButton_);
    auto *outer = new QGridLayout(this);
    outer->addLayout(recvGrid, 0, 0);
    outer->addLayout(sendGrid, 1, 0);
    outer->addLayout(formatRow, 2, 0);
}

void Ui_Debug::setFormatCaptions(const char *format)
{
    const bool hex = qstrcmp(format, HexFormat) == 0;
    recvLabel_->setText(QLatin1String(RecvCaption) + QLatin1String(format));
    sendLabel_->setText(QLatin1String(SendCaption) + QLatin1String(format));
    hexButton_->setEnabled(!hex);
    asciiButton_->setEnabled(hex);
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
    recvPane_->clear();
}

void Ui_Debug::SLT_CLEAR_SEND_DATA()
{
    sendPane_->clear();
    inputStart_ = QTextCursor(sendPane_->document());
    inputStart_.setKeepPositionOnInsert(true);
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
    recvPane_->moveCursor(QTextCursor::End);
    recvPane_->insertPlainText(text);
}

void Ui_Debug::SLT_Sync_Show_Send(const QString &text)
{
    QTextCursor echo(sendPane_->document());
    echo.setPosition(inputStart_.position());
    echo.insertText(text);
    if (!endsWithLineEnd(text))
        echo.insertBlock(); // the pending input keeps a line of its own
    inputStart_.setPosition(echo.position());
}

QString Ui_Debug::PendingInput() const
{
    // Only the position of inputStart_ is kept on insert, not its anchor: start afresh.
    QTextCursor input(sendPane_->document());
    input.setPosition(inputStart_.position());
    input.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    return input.selection().toPlainText();
}

void Ui_Debug::SLT_SEND_DATA()
{
    const DebugWire wire = Debug_WireBytes(PendingInput());
    if (wire.bytes.isEmpty())
        return;
    LinkContext *context = Link_ActiveContext();
    if (context == nullptr)
        return; // no link: the input stays pending
    // Raw bytes, no attributes: no CR is added and no reply is awaited.
    Queue_Push(wire.bytes.constData(), wire.bytes.size(), nullptr, 0, &context->sendLock,
               &context->sendQueue);
    commitInput(wire.consumed);
    emit SGL_UpdateEmit();
}

void Ui_Debug::commitInput(int sent)
{
    QTextCursor end(sendPane_->document());
    end.setPosition(inputStart_.position() + sent);
    if (!end.atBlockStart())
        end.insertBlock();
    inputStart_.setPosition(end.position());
    if (sendPane_->textCursor().position() < inputStart_.position())
        sendPane_->moveCursor(QTextCursor::End);
}

bool Ui_Debug::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == sendPane_ && event->type() == QEvent::KeyPress)
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
    QTextCursor caret = sendPane_->textCursor();
    const int start = inputStart_.position();
    if (caret.selectionStart() < start) {
        caret.clearSelection();
        caret.movePosition(QTextCursor::End);
        sendPane_->setTextCursor(caret);
    }
    return event->key() == Qt::Key_Backspace && !caret.hasSelection() && caret.position() <= start;
}
