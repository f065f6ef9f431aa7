// Debug terminal: what the operator types and sends. Enter sends, Shift+Enter breaks the line,
// Up/Down recall earlier commands, Tab completes a command word; the line end is chosen; hex
// input is sent as its bytes; snippets are sent with one click.
#include "ui/ui_debug.h"

#include "app/panel_prefs.h"
#include "link/command_words.h"
#include "link/link_context.h"
#include "link/wire_format.h"
#include "ui/debug_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {
const char *const PrefSnippets = "terminal/snippets";

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}
} // namespace

QString Ui_Debug::PendingInput() const
{
    // Only the position of m_inputStart is kept on insert, not its anchor: start afresh.
    QTextCursor input(m_sendPane->document());
    input.setPosition(m_inputStart.position());
    input.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    return input.selection().toPlainText();
}

DebugLineEnd Ui_Debug::lineEnd() const
{
    switch (m_lineEndBox->currentIndex()) {
    case 1:
        return DebugLineEnd::Cr;
    case 2:
        return DebugLineEnd::Lf;
    case 3:
        return DebugLineEnd::None;
    default:
        return DebugLineEnd::CrLf;
    }
}

bool Ui_Debug::sendBytes(const QByteArray &bytes)
{
    // Raw bytes, no attributes: no reply is awaited.
    if (Cmd_EnqueueRaw(bytes.constData(), bytes.size()) == 0) {
        showMessage(Extra_Text(DebugNoLink));
        return false;
    }
    emit SGL_UpdateEmit();
    return true;
}

void Ui_Debug::SLT_SEND_DATA()
{
    const QString input = PendingInput();
    if (input.isEmpty())
        return;
    if (m_hexInputBox->isChecked()) {
        int errorAt = 0;
        bool odd = false;
        const QByteArray bytes = Wire_ParseHex(input, &errorAt, &odd);
        if (errorAt > 0) {
            showMessage(Extra_Text(odd ? DebugHexOdd : DebugHexNotHex).arg(errorAt));
            QTextCursor at(m_sendPane->document());
            at.setPosition(m_inputStart.position() + errorAt - 1);
            at.setPosition(
                std::min(at.position() + 1, m_sendPane->document()->characterCount() - 1),
                QTextCursor::KeepAnchor);
            m_sendPane->setTextCursor(at);
            return;
        }
        if (bytes.size() > DebugSendLimit) {
            showMessage(Extra_Text(DebugHexTooLong).arg(DebugSendLimit));
            return;
        }
        if (bytes.isEmpty() || !sendBytes(bytes))
            return;
        takeSentInput(input.size());
        return;
    }
    const DebugWire wire = Debug_WireBytes(input, DebugSendLimit, lineEnd());
    if (wire.bytes.isEmpty() || !sendBytes(wire.bytes))
        return; // without a link the input stays pending
    takeSentInput(wire.consumed);
}

// What was sent leaves the input (its echo shows it once it is on the wire) and joins the
// history.
void Ui_Debug::takeSentInput(int consumed)
{
    QTextCursor sent(m_sendPane->document());
    sent.setPosition(m_inputStart.position());
    sent.setPosition(m_inputStart.position() + consumed, QTextCursor::KeepAnchor);
    QString text = sent.selection().toPlainText();
    sent.removeSelectedText();
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (!text.isEmpty() && (m_history.isEmpty() || m_history.last() != text)) {
        m_history << text;
        if (m_history.size() > DebugHistoryMax)
            m_history.removeFirst();
    }
    m_historyIndex = m_history.size();
    m_draft.clear();
    showMessage(QString());
    m_sendPane->moveCursor(QTextCursor::End);
}

void Ui_Debug::replaceInput(const QString &text)
{
    QTextCursor input(m_sendPane->document());
    input.setPosition(m_inputStart.position());
    input.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    input.insertText(text);
    m_sendPane->setTextCursor(input);
}

void Ui_Debug::recall(int step)
{
    const int target = m_historyIndex + step;
    if (target < 0 || target > m_history.size())
        return;
    if (m_historyIndex == m_history.size())
        m_draft = PendingInput();
    m_historyIndex = target;
    replaceInput(target == m_history.size() ? m_draft : m_history.at(target));
}

// Tab: the input's current line is completed to the longest text every matching command
// word shares; the candidates are listed when there is more than one.
void Ui_Debug::complete()
{
    QTextCursor caret = m_sendPane->textCursor();
    QTextCursor line = caret;
    line.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    if (line.selectionStart() < m_inputStart.position())
        line.setPosition(m_inputStart.position(), QTextCursor::KeepAnchor);
    const QString prefix = line.selectedText();
    const QStringList words = Catalogue_Complete(prefix);
    if (words.isEmpty())
        return;
    QString common = words.first();
    for (const QString &w : words) {
        int n = 0;
        while (n < common.size() && n < w.size() && common.at(n) == w.at(n))
            ++n;
        common.truncate(n);
    }
    if (words.size() == 1)
        common += QLatin1Char(' ');
    if (common.size() >= prefix.size())
        line.insertText(common);
    showMessage(words.size() > 1 ? Extra_Text(DebugCompletions).arg(words.join(QLatin1String(", ")))
                                 : QString());
}

bool Ui_Debug::keyInInput(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (isEnter(event) && mods == Qt::NoModifier) {
        SLT_SEND_DATA();
        return true;
    }
    if (isEnter(event) && mods == Qt::ShiftModifier) {
        keepTypingInInput(event);
        m_sendPane->textCursor().insertText(QStringLiteral("\n"));
        return true;
    }
    const bool inInput = m_sendPane->textCursor().position() >= m_inputStart.position();
    if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && mods == Qt::NoModifier
        && inInput && !PendingInput().contains(QLatin1Char('\n'))) {
        recall(event->key() == Qt::Key_Up ? -1 : 1);
        return true;
    }
    if (event->key() == Qt::Key_Tab && mods == Qt::NoModifier) {
        keepTypingInInput(event);
        complete();
        return true;
    }
    return keepTypingInInput(event);
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

// Snippets: named texts sent as if typed, kept in the panel's preferences.
void Ui_Debug::buildSnippetRow()
{
    m_snippetRow = new QHBoxLayout;
    m_addSnippetButton = new QPushButton(this);
    m_snippetRow->addWidget(m_addSnippetButton);
    m_snippetRow->addStretch(1);
    connect(m_addSnippetButton, &QPushButton::clicked, this, [this] {
        const QString text = PendingInput();
        if (text.trimmed().isEmpty())
            return;
        bool ok = false;
        const QString name = QInputDialog::getText(
            this, Extra_Text(DebugSnippetNameTitle), Extra_Text(DebugSnippetNameTitle),
            QLineEdit::Normal, text.left(24).simplified(), &ok);
        if (ok)
            AddSnippet(name, text);
    });
}

bool Ui_Debug::AddSnippet(const QString &name, const QString &text)
{
    const QString key = name.simplified().left(40);
    if (key.isEmpty() || text.isEmpty())
        return false;
    for (auto &snippet : m_snippets) {
        if (snippet.first == key) {
            snippet.second = text;
            storeSnippets();
            return true;
        }
    }
    if (m_snippets.size() >= DebugSnippetsMax) {
        showMessage(Extra_Text(DebugSnippetsFull).arg(DebugSnippetsMax));
        return false;
    }
    m_snippets.append({key, text.left(DebugSendLimit)});
    storeSnippets();
    rebuildSnippetButtons();
    return true;
}

void Ui_Debug::RemoveSnippet(const QString &name)
{
    for (int i = 0; i < m_snippets.size(); ++i) {
        if (m_snippets.at(i).first == name) {
            m_snippets.removeAt(i);
            storeSnippets();
            rebuildSnippetButtons();
            return;
        }
    }
}

QStringList Ui_Debug::SnippetNames() const
{
    QStringList names;
    for (const auto &snippet : m_snippets)
        names << snippet.first;
    return names;
}

// A snippet goes out as its text with the chosen line end (or as hex with hex input), as if
// typed; the pending input is left alone.
bool Ui_Debug::SendSnippet(const QString &name)
{
    for (const auto &snippet : m_snippets) {
        if (snippet.first != name)
            continue;
        if (m_hexInputBox->isChecked()) {
            int errorAt = 0;
            bool odd = false;
            const QByteArray bytes = Wire_ParseHex(snippet.second, &errorAt, &odd);
            if (errorAt > 0) {
                showMessage(Extra_Text(odd ? DebugHexOdd : DebugHexNotHex).arg(errorAt));
                return false;
            }
            return !bytes.isEmpty() && bytes.size() <= DebugSendLimit && sendBytes(bytes);
        }
        const DebugWire wire = Debug_WireBytes(snippet.second, DebugSendLimit, lineEnd());
        return !wire.bytes.isEmpty() && sendBytes(wire.bytes);
    }
    return false;
}

void Ui_Debug::loadSnippets()
{
    m_snippets.clear();
    // Untrusted: a list of [name, text] pairs, bounded.
    const QVariantList stored = Prefs_Value(QLatin1String(PrefSnippets)).toList();
    for (const QVariant &item : stored) {
        const QStringList pair = item.toStringList();
        if (pair.size() == 2 && !pair.at(0).simplified().isEmpty() && !pair.at(1).isEmpty()
            && m_snippets.size() < DebugSnippetsMax)
            m_snippets.append({pair.at(0).simplified().left(40), pair.at(1).left(DebugSendLimit)});
    }
    rebuildSnippetButtons();
}

void Ui_Debug::storeSnippets()
{
    QVariantList list;
    for (const auto &snippet : m_snippets)
        list << QVariant(QStringList {snippet.first, snippet.second});
    Prefs_SetValue(QLatin1String(PrefSnippets), list);
}

void Ui_Debug::rebuildSnippetButtons()
{
    qDeleteAll(m_snippetButtons);
    m_snippetButtons.clear();
    int at = 0;
    for (const auto &snippet : m_snippets) {
        auto *button = new QPushButton(snippet.first, this);
        button->setToolTip(snippet.second.left(200) + QLatin1Char('\n')
                           + Extra_Text(DebugSnippetTip));
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        const QString name = snippet.first;
        connect(button, &QPushButton::clicked, this, [this, name] { SendSnippet(name); });
        connect(button, &QPushButton::customContextMenuRequested, this, [this, name] {
            QMetaObject::invokeMethod(
                this, [this, name] { RemoveSnippet(name); }, Qt::QueuedConnection);
        });
        m_snippetRow->insertWidget(at++, button);
        m_snippetButtons << button;
    }
    m_addSnippetButton->setEnabled(m_snippets.size() < DebugSnippetsMax);
}
