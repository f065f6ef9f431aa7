// The per-link block (send and receive queues, the awaited reply, the line being received),
// the process-wide link selector and the single entry through which builders queue commands.
#pragma once

#include "link/command_queue.h"
#include "link/line_framer.h"

#include <atomic>
#include <mutex>

struct LinkContext
{
    // Plain standard mutexes: the thread checker follows them (Qt's own mutex is invisible to
    // it in an uninstrumented Qt).
    std::mutex sendLock; // producers lock blocking; the sender tries with zero wait
    CommandQueue sendQueue; // commands waiting to be sent
    std::mutex recvLock; // the service locks blocking; the GUI's drain tries with zero wait
    CommandQueue recvQueue; // complete received lines, CR included, oldest first
    CommandAttributes current {}; // attributes of the command sent last (service thread)
    LineFramer line; // the line being received (service thread)
    std::atomic<bool> ready {false}; // both queues exist (any thread may ask)
    // The link waits for the reply to its last command right now. Written by the service's
    // thread only; any thread may read it (status, tests) without racing that thread.
    std::atomic<bool> replyAwaited {false};
    // An announcement of received lines is on its way to the GUI and has not run yet: lines
    // received meanwhile need none of their own (the drain takes everything queued).
    std::atomic<bool> linesAnnounced {false};

    LinkContext() = default;
    ~LinkContext();
    LinkContext(const LinkContext &) = delete;
    LinkContext &operator=(const LinkContext &) = delete;
};

// Makes a released context ready with empty queues; a ready context is left as it is (queued
// commands survive). Returns whether the context is ready.
bool Queue_Reset(LinkContext &context);

// Discards everything still queued (unsent commands included); pushes are refused until the
// next Queue_Reset.
void Queue_Release(LinkContext &context);

// The two links of the process.
extern LinkContext SerialLinkContext;
extern LinkContext TcpLinkContext;

// Which link Cmd_Enqueue feeds. Set by the connection page on connect and disconnect.
enum : qint32 { LinkModeNone = 0, LinkModeSerial = 1, LinkModeTcp = 2 };
extern qint32 LinkMode;

// The context of the link LinkMode names, or nullptr when no link is active.
LinkContext *Link_ActiveContext();

// A fresh command id: unique for the life of the process, never 0. Any thread.
quint64 Link_NextCommandId();

// Queues text + CR with the attributes on the active link's send queue (GUI thread) and returns
// the command's id. A text longer than CommandMaxLength, an inactive LinkMode or a released
// context queue nothing and return 0.
quint64 Cmd_Enqueue(const char *text, int length, CommandAttributes attributes);

// Cmd_Enqueue under a queue rule (see QueueRule): a Read equal to an unsent one returns that
// command's id and queues nothing; a Setting replaces the unsent command whose first
// keyLength bytes are the same. Writes are never dropped for a read, nor reads for a write.
quint64 Cmd_EnqueueRuled(const char *text, int length, CommandAttributes attributes, QueueRule rule,
                         int keyLength);

// Drops every command of the active link that is still waiting to be sent (the one on the
// wire finishes its turn); returns how many were dropped.
int Cmd_DiscardUnsent();

// Queues the bytes as they are (no CR added, no reply awaited, no pause) on the active link's
// send queue and returns their id; 0 when nothing was queued. The debug terminal's raw sends.
quint64 Cmd_EnqueueRaw(const char *bytes, int length);
