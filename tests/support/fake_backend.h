// A link backend without services: it notes each call the controller makes and, on close,
// releases the link's queues as a service would.
#pragma once

#include "link/link_backend.h"
#include "support/queued_commands.h"

#include <QStringList>

class FakeBackend : public LinkBackend
{
public:
    QStringList calls;
    void attach(LinkController &) override { calls << QStringLiteral("attach"); }
    void open(const LinkTarget &target) override { calls << "open " + target.describe(); }
    void close(LinkKind kind) override
    {
        calls << (kind == LinkKind::Serial ? "close serial" : "close tcp");
        Queue_Release(QueuedCommands_Context(static_cast<qint32>(kind)));
    }
    void trigger() override { calls << QStringLiteral("trigger"); }
};
