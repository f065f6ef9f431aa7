// What each outstanding request for the device's network or baud-rate settings was: a read or
// a write. The device answers both with the same line; only the answer to a write means that
// it now listens with other settings than the open link, so that the operator must reconnect.
// GUI thread only, like the replies that consume it.
#pragma once

enum class LinkSettingsItem { Network, BaudRate };

// A request for the item was queued: a write (SET) or a read (GET).
void LinkSettings_Requested(LinkSettingsItem item, bool write);
// The device answered the item: takes the oldest outstanding request for it and tells whether
// it was a write. An answer nobody is waiting for (a late one, after the request timed out)
// counts as a read.
bool LinkSettings_AnswerIsWrite(LinkSettingsItem item);
// The oldest request for the item got no answer in time.
void LinkSettings_TimedOut(LinkSettingsItem item);
// Nothing is outstanding (a link opened or closed).
void LinkSettings_Forget();
// Requests for the item still waiting for their answer.
int LinkSettings_Outstanding(LinkSettingsItem item);

// Most requests remembered per item; a burst beyond forgets the oldest.
constexpr int LinkSettingsMaxOutstanding = 64;

// Set by the system page while it handles an answer (true unless the answer is to a write),
// read and cleared by the main window, which closes the link after a write.
extern bool LinkSettingsQueryOnly;
