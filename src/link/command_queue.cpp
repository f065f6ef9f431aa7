#include "link/command_queue.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <new>

namespace {

// A node holding a copy of the bytes, or nullptr when memory ran out.
CommandNode *NewNode(const char *bytes, int length, quint64 id)
{
    auto *node = new (std::nothrow) CommandNode;
    if (node == nullptr)
        return nullptr;
    node->data = new (std::nothrow) char[static_cast<size_t>(length)];
    if (node->data == nullptr) {
        delete node;
        return nullptr;
    }
    std::memcpy(node->data, bytes, static_cast<size_t>(length));
    node->length = length;
    node->id = id;
    return node;
}

void LinkTail(CommandQueue *queue, CommandNode *node)
{
    CommandNode *tail = queue->sentinel->prev;
    node->prev = tail;
    node->next = queue->sentinel;
    tail->next = node;
    queue->sentinel->prev = node;
    ++queue->count;
}

void Unlink(CommandQueue *queue, CommandNode *node)
{
    node->prev->next = node->next;
    node->next->prev = node->prev;
    --queue->count;
    delete node;
}

// The unsent node the fresh one meets under its rule, or nullptr.
CommandNode *Counterpart(const CommandQueue *queue, const CommandNode *fresh)
{
    if (fresh->rule == QueueRule::Plain)
        return nullptr;
    // A read meets the same bytes; a setting the same key (its first keyLength bytes).
    const int compared = fresh->rule == QueueRule::Read ? fresh->length : fresh->keyLength;
    for (CommandNode *n = queue->sentinel->next; n != queue->sentinel; n = n->next) {
        if (n->rule != fresh->rule)
            continue;
        const int length = fresh->rule == QueueRule::Read ? n->length : n->keyLength;
        if (length == compared && std::memcmp(n->data, fresh->data, size_t(compared)) == 0)
            return n;
    }
    return nullptr;
}

} // namespace

bool Queue_Push(const char *bytes, int length, const CommandAttributes *attributes, int waitValue,
                std::mutex *lock, CommandQueue *queue, quint64 id)
{
    // Without attributes: the all-zero record with the caller's pause.
    CommandAttributes plain {};
    plain.waitMs = waitValue;
    QueuedCommand command;
    command.bytes = bytes;
    command.length = length;
    command.attributes = attributes != nullptr ? attributes : &plain;
    command.id = id;
    return Queue_PushCommand(command, lock, queue).queued;
}

bool Queue_PushLine(const char *bytes, int length, std::mutex *lock, CommandQueue *queue,
                    quint64 id)
{
    if (lock == nullptr || queue == nullptr || bytes == nullptr || length <= 0)
        return false;
    CommandNode *node = NewNode(bytes, length, id);
    if (node == nullptr)
        return false;
    std::lock_guard<std::mutex> locker(*lock);
    if (!queue->isPresent()) {
        delete node;
        return false;
    }
    LinkTail(queue, node);
    return true;
}

QueuePushResult Queue_PushCommand(const QueuedCommand &c, std::mutex *lock, CommandQueue *queue)
{
    QueuePushResult result;
    if (lock == nullptr || queue == nullptr || c.bytes == nullptr || c.length <= 0)
        return result;
    CommandNode *node = NewNode(c.bytes, c.length, c.id);
    if (node == nullptr)
        return result;
    node->attributes = new (std::nothrow)
        CommandAttributes(c.attributes != nullptr ? *c.attributes : CommandAttributes {});
    if (node->attributes == nullptr) {
        delete node;
        return result;
    }
    node->rule = c.rule;
    node->keyLength = c.rule == QueueRule::Setting ? std::clamp(c.keyLength, 1, c.length) : 0;

    std::lock_guard<std::mutex> locker(*lock);
    if (!queue->isPresent()) {
        delete node;
        return result;
    }
    if (CommandNode *twin = Counterpart(queue, node)) {
        if (c.rule == QueueRule::Read) {
            result.id = twin->id; // its reply serves both askers
            delete node;
            return result;
        }
        Unlink(queue, twin);
    }
    LinkTail(queue, node);
    result.queued = true;
    result.id = c.id;
    return result;
}

int Queue_Clear(CommandQueue *queue)
{
    int removed = 0;
    while (queue != nullptr && !queue->isEmpty()) {
        Queue_PopFront(queue);
        ++removed;
    }
    return removed;
}

void Queue_PopFront(CommandQueue *queue)
{
    if (queue == nullptr || queue->isEmpty())
        return;
    Unlink(queue, queue->sentinel->next);
}

bool Queue_Create(CommandQueue *queue)
{
    if (queue->isPresent())
        return true;
    auto *sentinel = new (std::nothrow) CommandNode;
    if (sentinel == nullptr)
        return false;
    sentinel->prev = sentinel;
    sentinel->next = sentinel;
    queue->sentinel = sentinel;
    queue->count = 0;
    return true;
}

void Queue_Destroy(CommandQueue *queue)
{
    if (!queue->isPresent())
        return;
    Queue_Clear(queue);
    delete queue->sentinel;
    queue->sentinel = nullptr;
    queue->count = 0;
}
