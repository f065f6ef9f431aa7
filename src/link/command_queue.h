// The lock-guarded FIFO of commands (send side) or received lines (receive side).
#pragma once

#include "link/command_attributes.h"

#include <mutex>

// How a command waiting in the send queue meets a newer one.
enum class QueueRule : quint8 {
    Plain, // always queued (raw bytes, actions, steps)
    Read, // not queued again while the same bytes wait unsent
    Setting, // replaces an unsent command for the same setting (same key bytes)
};

// One queued command or line. Owns a private copy of its bytes. A received line is only its
// bytes: the pacing record exists for commands that are sent.
struct CommandNode
{
    CommandNode *prev = nullptr;
    CommandNode *next = nullptr;
    char *data = nullptr; // null for the sentinel
    qint32 length = 0;
    // Send side: the command's id (0: none). Receive side: the id of the command whose
    // expected reply the line is (0: none).
    quint64 id = 0;
    CommandAttributes *attributes = nullptr; // owned; send side only
    QueueRule rule = QueueRule::Plain;
    qint32 keyLength = 0; // Setting: the leading bytes that name the setting

    CommandNode() = default;
    ~CommandNode()
    {
        delete[] data;
        delete attributes;
    }
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

// Appends a received line: its bytes and the id it answers, nothing else. Same refusals as
// Queue_Push.
bool Queue_PushLine(const char *bytes, int length, std::mutex *lock, CommandQueue *queue,
                    quint64 id);

// A command with its queue rule, for Queue_PushCommand.
struct QueuedCommand
{
    const char *bytes = nullptr;
    int length = 0;
    const CommandAttributes *attributes = nullptr;
    QueueRule rule = QueueRule::Plain;
    int keyLength = 0; // Setting only; at most length
    quint64 id = 0;
};

struct QueuePushResult
{
    bool queued = false; // a node joined the queue
    quint64 id = 0; // the command that will be sent: the new one, or the unsent equal read
};

// Queue_Push with the command's rule applied under the same lock: an equal unsent Read is not
// queued again; an unsent Setting with the same key is dropped and the new one joins the tail.
// Reads and settings never meet each other or plain commands.
QueuePushResult Queue_PushCommand(const QueuedCommand &command, std::mutex *lock,
                                  CommandQueue *queue);

// Removes and frees every node; returns how many. The caller holds the queue's lock.
int Queue_Clear(CommandQueue *queue);

// Removes and frees the front node, if any. The caller holds the queue's lock.
void Queue_PopFront(CommandQueue *queue);

// Makes an absent queue present and empty; false when memory ran out. The caller holds the lock.
bool Queue_Create(CommandQueue *queue);

// Frees every node and the sentinel; the queue is absent afterwards. The caller holds the lock.
void Queue_Destroy(CommandQueue *queue);
