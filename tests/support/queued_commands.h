// Reads what the pages queued: the active link's send queue as lines (CR included), with no
// service running; and whether a running link has settled. Header-only so that only tests
// linking the link library pull it in.
#pragma once

#include "link/link_context.h"

#include <QByteArray>
#include <QList>
#include <QMutexLocker>

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

// Every command queued on the active link, in order, removed from the queue.
inline QList<QByteArray> QueuedCommands_Take()
{
    QList<QByteArray> lines;
    LinkContext &context = QueuedCommands_Context(LinkMode);
    QMutexLocker lock(&context.sendLock);
    while (const CommandNode *node = context.sendQueue.front()) {
        lines << QByteArray(node->data, node->length);
        Queue_PopFront(&context.sendQueue);
    }
    return lines;
}

// Nothing left to send on the active link, no reply awaited and every received line taken.
inline bool ActiveLinkIdle()
{
    if (LinkMode != LinkModeSerial && LinkMode != LinkModeTcp)
        return true;
    LinkContext &context = QueuedCommands_Context(LinkMode);
    {
        QMutexLocker lock(&context.sendLock);
        if (!context.sendQueue.isEmpty() || context.current.expectReply != 0)
            return false;
    }
    QMutexLocker lock(&context.recvLock);
    return context.recvQueue.isEmpty();
}

inline void QueuedCommands_Stop()
{
    LinkMode = LinkModeNone;
    Queue_Release(SerialLinkContext);
    Queue_Release(TcpLinkContext);
}
