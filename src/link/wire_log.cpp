#include "link/wire_log.h"

#include "link/link_controller.h"

#include <QDateTime>

namespace {
// Ids remembered for pairing; far more than can be outstanding at once.
constexpr int RememberedIds = 256;

qint64 nowOr(qint64 msecs)
{
    return msecs >= 0 ? msecs : QDateTime::currentMSecsSinceEpoch();
}

template <class Hash>
void keepBounded(Hash &hash)
{
    if (hash.size() > RememberedIds)
        hash.clear(); // ids are only ever looked up while recent: forgetting old ones is safe
}
} // namespace

WireLog::WireLog(QObject *parent)
    : QObject(parent)
{ }

void WireLog::attach(LinkController &c)
{
    connect(&c, &LinkController::commandSent, this,
            [this](quint64 id, const QByteArray &bytes) { recordSent(id, bytes); });
    connect(&c, &LinkController::commandMatched, this, [this, &c](quint64 id, const QByteArray &) {
        // The controller notes the link's round trip before it announces the match.
        recordMatched(id, c.lastRoundTripUs());
    });
    connect(&c, &LinkController::commandTimedOut, this, [this](quint64 id) { recordTimedOut(id); });
    connect(&c, &LinkController::lineReceived, this,
            [this](const QByteArray &line, quint64 id) { recordReceived(line, id); });
}

WireEntry &WireLog::append(WireEntry::Kind kind, quint64 id, const QByteArray &bytes, qint64 msecs)
{
    if (int(m_entries.size()) >= MaxEntries) {
        m_entries.pop_front();
        ++m_dropped;
    }
    WireEntry entry;
    entry.seq = m_nextSeq++;
    entry.msecs = nowOr(msecs);
    entry.kind = kind;
    entry.id = id;
    entry.bytes = bytes;
    m_entries.push_back(std::move(entry));
    return m_entries.back();
}

void WireLog::recordSent(quint64 id, const QByteArray &bytes, qint64 msecs)
{
    append(WireEntry::Kind::Sent, id, bytes, msecs);
    emit appended();
}

void WireLog::recordReceived(const QByteArray &line, quint64 id, qint64 msecs)
{
    WireEntry::Kind kind = WireEntry::Kind::Unsolicited;
    if (id != 0)
        kind = m_timedOut.contains(id) ? WireEntry::Kind::LateReply : WireEntry::Kind::Reply;
    WireEntry &entry = append(kind, id, line, msecs);
    if (kind == WireEntry::Kind::Reply) {
        const auto it = m_pendingRoundTrips.find(id);
        if (it != m_pendingRoundTrips.end()) {
            entry.roundTripUs = it.value();
            m_pendingRoundTrips.erase(it);
        }
    }
    emit appended();
}

void WireLog::recordMatched(quint64 id, qint64 roundTripUs)
{
    if (WireEntry *reply = findReply(id)) {
        reply->roundTripUs = roundTripUs; // the line came first
        return;
    }
    keepBounded(m_pendingRoundTrips);
    m_pendingRoundTrips.insert(id, roundTripUs);
}

void WireLog::recordTimedOut(quint64 id, qint64 msecs)
{
    keepBounded(m_timedOut);
    m_timedOut.insert(id, true);
    append(WireEntry::Kind::TimedOut, id, QByteArray(), msecs);
    emit appended();
}

void WireLog::clear()
{
    m_dropped += qint64(m_entries.size());
    m_entries.clear();
    emit appended();
}

// A reply line already recorded for the command, looked for among the last few entries only
// (the match is reported within moments of the line).
WireEntry *WireLog::findReply(quint64 id)
{
    int looked = 0;
    for (auto it = m_entries.rbegin(); it != m_entries.rend() && looked < 64; ++it, ++looked) {
        if (it->kind == WireEntry::Kind::Reply && it->id == id)
            return &*it;
    }
    return nullptr;
}
