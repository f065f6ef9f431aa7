#include "state/link_settings.h"

#include <deque>

bool LinkSettingsQueryOnly = false;

namespace {

// Per item, oldest first: whether each outstanding request is a write. The link sends and
// answers one command at a time, so answers and time-outs come in the order of the requests.
std::deque<bool> &Outstanding(LinkSettingsItem item)
{
    static std::deque<bool> network;
    static std::deque<bool> baudRate;
    return item == LinkSettingsItem::Network ? network : baudRate;
}

} // namespace

void LinkSettings_Requested(LinkSettingsItem item, bool write)
{
    std::deque<bool> &requests = Outstanding(item);
    if (requests.size() >= LinkSettingsMaxOutstanding)
        requests.pop_front();
    requests.push_back(write);
}

bool LinkSettings_AnswerIsWrite(LinkSettingsItem item)
{
    std::deque<bool> &requests = Outstanding(item);
    if (requests.empty())
        return false;
    const bool write = requests.front();
    requests.pop_front();
    return write;
}

void LinkSettings_TimedOut(LinkSettingsItem item)
{
    std::deque<bool> &requests = Outstanding(item);
    if (!requests.empty())
        requests.pop_front();
}

void LinkSettings_Forget()
{
    Outstanding(LinkSettingsItem::Network).clear();
    Outstanding(LinkSettingsItem::BaudRate).clear();
}

int LinkSettings_Outstanding(LinkSettingsItem item)
{
    return static_cast<int>(Outstanding(item).size());
}
