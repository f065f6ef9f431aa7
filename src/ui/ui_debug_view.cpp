// Debug terminal: the bounded buffers behind the panes and the wire view, and their rendering
// (on a turn of the event loop, a few dozen times a second at most, only while the window is
// shown).
#include "ui/ui_debug.h"

#include "link/wire_format.h"
#include "link/wire_log.h"
#include "ui/debug_texts.h"
#include "ui/throttled_call.h"

#include <QCheckBox>
#include <QDateTime>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

void Ui_Debug::SetWireLog(WireLog *log)
{
    m_wireLog = log;
    m_wireFromSeq = m_wireShownSeq = m_loggedSeq = log ? log->nextSeq() : 0;
    if (log) {
        connect(log, &WireLog::appended, this, [this] {
            logEntries();
            if (m_wireButton->isChecked())
                scheduleRender();
        });
    }
}

void Ui_Debug::push(Pane &pane, const QByteArray &bytes)
{
    pane.lines.push_back({QDateTime::currentMSecsSinceEpoch(), bytes});
    if (int(pane.lines.size()) > DebugPaneMaxBlocks)
        pane.lines.pop_front();
    pane.unshown = std::min(pane.unshown + 1, int(pane.lines.size()));
    scheduleRender();
}

void Ui_Debug::scheduleRender()
{
    if (isVisible())
        m_render->request();
}

void Ui_Debug::RenderNow()
{
    render();
}

void Ui_Debug::render()
{
    m_render->noteCalled();
    if (!isVisible())
        return; // rendered when shown
    // The receive pane waits while the wire view takes its place (its lines stay bounded).
    if (m_recvPane->isVisible())
        renderRecv();
    renderSend();
    if (m_wireButton->isChecked())
        renderWire();
}

void Ui_Debug::invalidateAll()
{
    m_recv.stale = m_send.stale = true;
    m_wireShownSeq = m_wireFromSeq;
    m_wireView->clear();
    scheduleRender();
}

// The text of pane lines [from, end): a line's own line end ends its text line; a line
// without one runs on into the next (as the bytes did on the wire).
QString Ui_Debug::paneText(const Pane &pane, int from) const
{
    const bool time = m_timeBox->isChecked();
    bool lineStart = from == 0
        || Wire_Body(pane.lines[std::size_t(from - 1)].bytes).size()
            != pane.lines[std::size_t(from - 1)].bytes.size();
    QString text;
    for (std::size_t i = std::size_t(from); i < pane.lines.size(); ++i) {
        const PaneLine &line = pane.lines[i];
        if (lineStart && time)
            text += Wire_Time(line.msecs) + QLatin1Char(' ');
        bool hadEnd = false;
        const QByteArray body = Wire_Body(line.bytes, &hadEnd);
        if (m_hex) {
            text += Wire_Hex(line.bytes);
            text += hadEnd ? QLatin1Char('\n') : QLatin1Char(' ');
        } else {
            text += Wire_Visible(body);
            if (hadEnd)
                text += QLatin1Char('\n');
        }
        lineStart = hadEnd;
    }
    return text;
}

void Ui_Debug::renderRecv()
{
    // Nothing shown stays (a flood brought more than the pane keeps): replacing the text is
    // cheaper than appending and trimming.
    if (m_recv.stale || m_recv.unshown >= int(m_recv.lines.size())) {
        m_recvPane->setPlainText(paneText(m_recv, 0));
        m_recvPane->moveCursor(QTextCursor::End);
    } else if (m_recv.unshown > 0) {
        m_recvPane->moveCursor(QTextCursor::End);
        m_recvPane->insertPlainText(paneText(m_recv, int(m_recv.lines.size()) - m_recv.unshown));
    }
    m_recv.stale = false;
    m_recv.unshown = 0;
}

// Echoes go into the history above the pending input; each keeps a line of its own, so the
// input always starts on a fresh line.
void Ui_Debug::renderSend()
{
    if (!m_send.stale && m_send.unshown == 0)
        return;
    const int from = m_send.stale ? 0 : int(m_send.lines.size()) - m_send.unshown;
    QString text = paneText(m_send, from);
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    QTextCursor echo(m_sendPane->document());
    if (m_send.stale)
        echo.setPosition(0);
    else
        echo.setPosition(m_inputStart.position());
    echo.setPosition(m_inputStart.position(), QTextCursor::KeepAnchor);
    echo.insertText(text);
    m_inputStart.setPosition(echo.position());
    m_send.stale = false;
    m_send.unshown = 0;
}

void Ui_Debug::renderWire()
{
    if (!m_wireLog)
        return;
    const auto &entries = m_wireLog->entries();
    if (entries.empty())
        return;
    const qint64 first = std::max(m_wireShownSeq, entries.front().seq);
    // More arrived than the view keeps: it starts over from what is kept.
    const bool replace = m_wireShownSeq < entries.front().seq;
    const std::size_t start = std::size_t(first - entries.front().seq);
    if (start >= entries.size())
        return;
    const WireMarks marks {Extra_Text(DebugTimedOutMark), Extra_Text(DebugLateMark),
                           Extra_Text(DebugUnsolicitedMark)};
    const WireShow show = m_hex ? WireShow::Hex : WireShow::Text;
    QString text;
    for (std::size_t i = start; i < entries.size(); ++i) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += Wire_EntryLine(entries[i], show, true, marks);
    }
    if (replace) {
        m_wireView->setPlainText(text);
        m_wireView->moveCursor(QTextCursor::End);
    } else {
        m_wireView->appendPlainText(text);
    }
    m_wireShownSeq = m_wireLog->nextSeq();
}
