// The wire as the link saw it, without widgets: every command sent and every line received,
// in order, with the time each reached this thread, the command id, and what the link made of
// it: the reply matched to a command (with the round trip the link measured), a command left
// without a reply, a late reply after its time-out, or an unsolicited line. The debug
// terminal shows it; a command-line program may record it the same way.
//
// Bounded: the oldest entries drop off once MaxEntries are kept. Lives in one thread (the
// link controller's); every entry carries a sequence number so a view renders only what is
// new since it last looked.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>

#include <deque>

class LinkController;

struct WireEntry
{
    enum class Kind {
        Sent, // a command written to the device
        Reply, // the reply the link matched to command `id`
        LateReply, // a reply to command `id` after its time-out
        Unsolicited, // a line no command was waiting for
        TimedOut, // command `id` got no reply in time (no bytes)
    };
    qint64 seq = 0;
    qint64 msecs = 0; // milliseconds since the epoch, local wall clock
    Kind kind = Kind::Sent;
    quint64 id = 0; // command id (0: none)
    qint64 roundTripUs = -1; // Reply: write to reply as measured by the link; -1 unknown
    QByteArray bytes;
};

class WireLog : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxEntries = 1000;

    explicit WireLog(QObject *parent = nullptr);

    // Records the controller's wire events from now on.
    void attach(LinkController &controller);

    // The events, also for feeding by hand (tests, replays). `msecs` < 0: now.
    void recordSent(quint64 id, const QByteArray &bytes, qint64 msecs = -1);
    void recordReceived(const QByteArray &line, quint64 id, qint64 msecs = -1);
    // The link matched a reply to command `id` after roundTripUs (may come before or after
    // the line itself reaches this thread).
    void recordMatched(quint64 id, qint64 roundTripUs);
    void recordTimedOut(quint64 id, qint64 msecs = -1);

    void clear();

    const std::deque<WireEntry> &entries() const { return m_entries; }
    // Sequence number the next entry gets; entries with seq >= a view's mark are new to it.
    qint64 nextSeq() const { return m_nextSeq; }
    // Entries that dropped off the top since the start.
    qint64 dropped() const { return m_dropped; }

signals:
    // New entries were added (once per call; views batch their rendering).
    void appended();

private:
    WireEntry &append(WireEntry::Kind kind, quint64 id, const QByteArray &bytes, qint64 msecs);
    WireEntry *findReply(quint64 id);

    std::deque<WireEntry> m_entries;
    qint64 m_nextSeq = 1;
    qint64 m_dropped = 0;
    // Round trips reported before their line arrived, and the commands that timed out (a
    // later line carrying their id is a late reply). Both bounded.
    QHash<quint64, qint64> m_pendingRoundTrips;
    QHash<quint64, bool> m_timedOut;
};
