#include "link/command_queue.h"

#include <cstring>
#include <mutex>
#include <new>

bool Queue_Push(const char *bytes, int length, const CommandAttributes *attributes, int waitValue,
                std::mutex *lock, CommandQueue *queue, quint64 id)
{
    if (lock == nullptr || queue == nullptr || bytes == nullptr || length <= 0)
        return false;
    auto *node = new (std::nothrow) CommandNode;
    if (node == nullptr)
        return false;
    node->data = new (std::nothrow) char[static_cast<size_t>(length)];
    if (node->data == nullptr) {
        delete node;
        return false;
    }
    std::memcpy(node->data, bytes, static_cast<size_t>(length));
    node->length = length;
    node->id = id;
    if (attributes != nullptr)
        node->attributes = *attributes;
    else
        node->attributes.waitMs = waitValue;

    std::lock_guard<std::mutex> locker(*lock);
    if (!queue->isPresent()) {
        delete node;
        return false;
    }
    CommandNode *tail = queue->sentinel->prev;
    node->prev = tail;
    node->next = queue->sentinel;
    tail->next = node;
    queue->sentinel->prev = node;
    ++queue->count;
    return true;
}

void Queue_PopFront(CommandQueue *queue)
{
    if (queue == nullptr || queue->isEmpty())
        return;
    CommandNode *node = queue->sentinel->next;
    node->prev->next = node->next;
    node->next->prev = node->prev;
    --queue->count;
    delete node;
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
    while (!queue->isEmpty())
        Queue_PopFront(queue);
    delete queue->sentinel;
    queue->sentinel = nullptr;
    queue->count = 0;
}
