// Appends text to a plain-text log in batches. A device that floods replies would otherwise
// pay a text-layout pass per line; here the pieces wait (bounded: no more than the log keeps)
// and go in with one insertion a few dozen times a second. Whoever reads the log calls
// flush() first and sees every piece.
#pragma once

#include <QObject>
#include <QStringList>

class QPlainTextEdit;
class ThrottledCall;

class BatchedLog : public QObject
{
public:
    // `maxPieces`: pieces kept while waiting (each makes at least one line of the log).
    BatchedLog(QPlainTextEdit *view, int maxPieces, QObject *parent = nullptr);

    // Queues `piece` followed by a line end.
    void append(const QString &piece);
    // Puts what waits into the log now.
    void flush();
    // Forgets what waits (the log itself is cleared by its owner).
    void discard();

private:
    QPlainTextEdit *m_view;
    int m_maxPieces;
    QStringList m_pending;
    ThrottledCall *m_flush;
};
