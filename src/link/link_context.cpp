#include "link/link_context.h"

#include <cstring>

LinkContext SerialLinkContext;
LinkContext TcpLinkContext;
qint32 LinkMode = LinkModeNone;

LinkContext::~LinkContext()
{
    Queue_Release(*this);
}

bool Queue_Reset(LinkContext &context)
{
    if (context.ready)
        return true;
    context.ready = true;
    {
        QMutexLocker locker(&context.sendLock);
        Queue_Create(&context.sendQueue);
    }
    {
        QMutexLocker locker(&context.recvLock);
        Queue_Create(&context.recvQueue);
    }
    context.current = CommandAttributes {};
    context.line.clear();
    return context.ready;
}

void Queue_Release(LinkContext &context)
{
    if (!context.ready)
        return;
    context.ready = false;
    {
        QMutexLocker locker(&context.sendLock);
        Queue_Destroy(&context.sendQueue);
    }
    {
        QMutexLocker locker(&context.recvLock);
        Queue_Destroy(&context.recvQueue);
    }
    context.current = CommandAttributes {};
    context.line.clear();
}

void Cmd_Enqueue(const char *text, int length, CommandAttributes attributes)
{
    if (length < 0 || length > CommandMaxLength || (text == nullptr && length > 0))
        return;
    LinkContext *context = nullptr;
    if (LinkMode == LinkModeTcp)
        context = &TcpLinkContext;
    else if (LinkMode == LinkModeSerial)
        context = &SerialLinkContext;
    if (context == nullptr)
        return;
    // Built on the stack: the node's own copy is the only allocation on the way to the wire.
    char wire[CommandMaxLength + 1];
    if (length > 0)
        std::memcpy(wire, text, static_cast<size_t>(length));
    wire[length] = '\r';
    Queue_Push(wire, length + 1, &attributes, 0, &context->sendLock, &context->sendQueue);
}
