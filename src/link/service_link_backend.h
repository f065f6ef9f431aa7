// The link controller's backend over the process-wide services and worker threads
// (link_runtime): the one place where the services' reports are connected, and where a
// link's worker is started and stopped.
#pragma once

#include "link/link_backend.h"

class ServiceLinkBackend : public LinkBackend
{
public:
    void attach(LinkController &controller) override;
    void open(const LinkTarget &target) override;
    void close(LinkKind kind) override;
    void trigger() override;
    void setReplyTimeoutMs(LinkKind kind, int ms) override;
};
