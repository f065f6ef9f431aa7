// What the link controller drives: the services that open, close and feed a link. The
// controller's only way to the worker threads, so that tests can put a fake in their place and
// play the services' reports by calling the controller's report functions.
#pragma once

#include "link/link_target.h"

class LinkController;

class LinkBackend
{
public:
    virtual ~LinkBackend() = default;

    // Routes every report of the services to the controller's report functions, in the
    // controller's thread. Called once, by the controller's constructor.
    virtual void attach(LinkController &controller) = 0;
    // Starts the link's worker and asks its service to connect; the outcome comes back as a
    // connect report.
    virtual void open(const LinkTarget &target) = 0;
    // Stops the link's worker within a bounded wait; the service closes its device in it and
    // discards what was still queued.
    virtual void close(LinkKind kind) = 0;
    // Commands were queued: the open link's service may send.
    virtual void trigger() = 0;
    // The open link's reply time-out changed; it applies from the next command.
    virtual void setReplyTimeoutMs(LinkKind kind, int ms)
    {
        Q_UNUSED(kind);
        Q_UNUSED(ms);
    }
};
