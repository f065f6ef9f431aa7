#include "ui/batched_log.h"

#include "ui/throttled_call.h"

#include <QPlainTextEdit>

#include <algorithm>

BatchedLog::BatchedLog(QPlainTextEdit *view, int maxPieces, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_maxPieces(std::max(1, maxPieces))
    , m_flush(new ThrottledCall(
          ThrottledCall::ViewIntervalMs, [this] { flush(); }, this))
{ }

void BatchedLog::append(const QString &piece)
{
    m_pending.append(piece);
    // Older pieces would be pushed out of the log by these anyway.
    if (m_pending.size() > m_maxPieces)
        m_pending.removeFirst();
    m_flush->request();
}

void BatchedLog::flush()
{
    if (m_pending.isEmpty())
        return;
    QString text;
    for (const QString &piece : qAsConst(m_pending)) {
        text += piece;
        text += QLatin1String("\r\n");
    }
    m_pending.clear();
    m_view->moveCursor(QTextCursor::End);
    m_view->insertPlainText(text);
}

void BatchedLog::discard()
{
    m_pending.clear();
}
