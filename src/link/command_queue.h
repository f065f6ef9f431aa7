// The lock-guarded FIFO of commands (send side) or received lines (receive side).
#pragma once

#include "link/command_attributes.h"

#include <mutex>

// One queued command or line. Owns a private copy of its bytes.
struct CommandNode
{
    CommandNode *prev = nullptr;
    CommandNode *next = nullptr;
    char *data = nullptr; // null for the sentinel
    qint32 length = 0;
    // Send side: the command's id (0: none). Receive side: the id of the command whose
    // expected reply the line is (0: none).
    quint64 id = 0;
    CommandAttributes attributes {};

    CommandNode() = default;
    ~CommandNode() { delete[] data; }
    CommandNode(const CommandNode &) = delete;
    CommandNode &operator=(const CommandNode &) = delete;
};

// Circular doubly linked list anchored by a sentinel that carries no bytes; nodes join at the
// tail and leave from the front. Absent (no sentinel) while its link context is released, so a
// push checks for presence under the lock and never races a release. Every access holds the
// queue's lock.
struct CommandQueue
{
    CommandNode *sentinel = nullptr;
    qint32 count = 0;

    bool isPresent() const { return sentinel != nullptr; }
    bool isEmpty() const { return sentinel == nullptr || sentinel->next == sentinel; }
    CommandNode *front() const { return isEmpty() ? nullptr : sentinel->next; }
};

// Appends a copy of the bytes. Without attributes the node gets an all-zero record whose waitMs
// is waitValue (no reply awaited, no pause). Refused (false) when the lock, the queue, the bytes
// or a positive length is missing, and when the queue is absent. Takes the lock blocking.
bool Queue_Push(const char *bytes, int length, const CommandAttributes *attributes, int waitValue,
                std::mutex *lock, CommandQueue *queue, quint64 id = 0);

// Removes and frees the front node, if any. The caller holds the queue's lock.
void Queue_PopFront(CommandQueue *queue);

// Makes an absent queue present and empty; false when memory ran out. The caller holds the lock.
bool Queue_Create(CommandQueue *queue);

// Frees every node and the sentinel; the queue is absent afterwards. The caller holds the lock.
void Queue_Destroy(CommandQueue *queue);
