// The reply dispatcher: recognises one reply line by its keyword, keeps what other code
// needs in DeviceState, and brings the owning page up to date through ReplyPages.
// GUI thread only, like DeviceState.
#pragma once

#include "state/reply_pages.h"

#include <QString>

#include <string_view>

// Applies one received line: the text the main window builds from the line's bytes, CR
// included. The device's words are 8-bit, so the text is matched as Latin-1 bytes.
// Returns the position of the keyword that took the line in the keyword table, or -1.
int Reply_Dispatch(const QString &line, ReplyPages &pages);

// The same for a line that is already Latin-1 bytes (no text round trip).
int Reply_DispatchBytes(std::string_view line, ReplyPages &pages);

// The keyword table in its search order (first match wins).
int Reply_KeywordCount();
std::string_view Reply_Keyword(int index);
