#include "link/link_context.h"

#include <cstring>
#include <utility>

LinkContext SerialLinkContext;
LinkContext TcpLinkContext;
qint32 LinkMode = LinkModeNone;

LinkContext::~LinkContext()
{
    Queue_Release(*this);
}

namespace {

// Both queues made present (or absent) under their locks; the service-side state starts over.
void SetQueues(LinkContext &context, bool present)
{
    for (auto [lock, queue] : {std::pair {&context.sendLock, &context.sendQueue},
                               std::pair {&context.recvLock, &context.recvQueue}}) {
        std::lock_guard<std::mutex> locker(*lock);
        if (present)
            Queue_Create(queue);
        else
            Queue_Destroy(queue);
    }
    context.current = CommandAttributes {};
    context.line.clear();
    context.replyAwaited = false;
}

} // namespace

bool Queue_Reset(LinkContext &context)
{
    if (!context.ready) {
        context.ready = true;
        SetQueues(context, true);
    }
    return context.ready;
}

void Queue_Release(LinkContext &context)
{
    if (!context.ready)
        return;
    context.ready = false;
    SetQueues(context, false);
}

LinkContext *Link_ActiveContext()
{
    if (LinkMode == LinkModeTcp)
        return &TcpLinkContext;
    if (LinkMode == LinkModeSerial)
        return &SerialLinkContext;
    return nullptr;
}

quint64 Link_NextCommandId()
{
    static std::atomic<quint64> last {0};
    return ++last;
}

quint64 Cmd_Enqueue(const char *text, int length, CommandAttributes attributes)
{
    return Cmd_EnqueueRuled(text, length, attributes, QueueRule::Plain, 0);
}

quint64 Cmd_EnqueueRuled(const char *text, int length, CommandAttributes attributes, QueueRule rule,
                         int keyLength)
{
    if (length < 0 || length > CommandMaxLength || (text == nullptr && length > 0))
        return 0;
    LinkContext *context = Link_ActiveContext();
    if (context == nullptr)
        return 0;
    // Built on the stack: the node's own copy is the only allocation on the way to the wire.
    char wire[CommandMaxLength + 1];
    if (length > 0)
        std::memcpy(wire, text, static_cast<size_t>(length));
    wire[length] = '\r';
    QueuedCommand command;
    command.bytes = wire;
    command.length = length + 1;
    command.attributes = &attributes;
    command.rule = rule;
    command.keyLength = keyLength;
    command.id = Link_NextCommandId();
    return Queue_PushCommand(command, &context->sendLock, &context->sendQueue).id;
}

int Cmd_DiscardUnsent()
{
    LinkContext *context = Link_ActiveContext();
    if (context == nullptr)
        return 0;
    std::lock_guard<std::mutex> locker(context->sendLock);
    return Queue_Clear(&context->sendQueue);
}

quint64 Cmd_EnqueueRaw(const char *bytes, int length)
{
    LinkContext *context = Link_ActiveContext();
    if (context == nullptr)
        return 0;
    const quint64 id = Link_NextCommandId();
    return Queue_Push(bytes, length, nullptr, 0, &context->sendLock, &context->sendQueue, id) ? id
                                                                                              : 0;
}
