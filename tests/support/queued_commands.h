// Reads what the pages and builders queued: the active link's send queue as wire lines (CR
// included), with no service running; and whether a running link has settled. Header-only so
// that only tests linking the link library pull it in. The one queue reader of the tests.
#pragma once

#include "link/link_context.h"

#include <QByteArray>
#include <QList>
#include <mutex>

// Wire lines as tests write them, CR included: {"GET OUT HDCP\r"}.
using Lines = QList<QByteArray>;

inline LinkContext &QueuedCommands_Context(qint32 mode)
{
    return mode == LinkModeSerial ? SerialLinkContext : TcpLinkContext;
}

// Makes `mode` the active link with an empty send queue.
inline void QueuedCommands_Start(qint32 mode = LinkModeTcp)
{
    Queue_Release(QueuedCommands_Context(mode));
    Queue_Reset(QueuedCommands_Context(mode));
    LinkMode = mode;
}

// Every command queued on the active link, in order, left in the queue.
inline Lines QueuedCommands_Peek()
{
    Lines lines;
    LinkContext &context = QueuedCommands_Context(LinkMode);
    std::lock_guard<std::mutex> lock(context.sendLock);
    if (!context.sendQueue.isPresent())
        return lines;
    const CommandQueue &queue = context.sendQueue;
    for (const CommandNode *node = queue.sentinel->next; node != queue.sentinel; node = node->next)
        lines << QByteArray(node->data, node->length);
    return lines;
}

// Every command queued on the active link, in order, removed from the queue.
inline QList<QByteArray> QueuedCommands_Take()
{
    QList<QByteArray> lines;
    LinkContext &context = QueuedCommands_Context(LinkMode);
    std::lock_guard<std::mutex> lock(context.sendLock);
    while (const CommandNode *node = context.sendQueue.front()) {
        lines << QByteArray(node->data, node->length);
        Queue_PopFront(&context.sendQueue);
    }
    return lines;
}

// The open link has nothing left to do: no command queued or awaiting its reply and every
// received line handled. False while no link is open.
inline bool ActiveLinkIdle()
{
    LinkContext *context = Link_ActiveContext();
    // A busy lock means the link is sending or receiving right now.
    if (!context || !context->sendLock.try_lock())
        return false;
    bool idle = context->sendQueue.isEmpty();
    context->sendLock.unlock();
    if (!idle || !context->recvLock.try_lock())
        return false;
    idle = context->recvQueue.isEmpty();
    context->recvLock.unlock();
    // The service clears it only after the matching line was queued for the window, so a stale
    // read merely costs one more poll.
    return idle && !context->replyAwaited;
}

inline void QueuedCommands_Stop()
{
    LinkMode = LinkModeNone;
    Queue_Release(SerialLinkContext);
    Queue_Release(TcpLinkContext);
}
