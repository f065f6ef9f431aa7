// The reply dispatcher: recognises one reply line by its keyword, keeps what other code
// needs in DeviceState, and hands the values to the owning page's sink (reply_sinks.h).
// GUI thread only, like DeviceState.
#pragma once

#include "state/reply_sinks.h"

#include <QString>

#include <string_view>

// Applies one received line: the text the main window builds from the line's bytes, CR
// included. The device's words are 8-bit, so the text is matched as Latin-1 bytes.
// Returns the position of the keyword that took the line in the keyword table, or -1.
int Reply_Dispatch(const QString &line, const ReplySinks &sinks);

// The same for a line that is already Latin-1 bytes (no text round trip).
int Reply_DispatchBytes(std::string_view line, const ReplySinks &sinks);

// The keyword table in its search order (first match wins).
int Reply_KeywordCount();
std::string_view Reply_Keyword(int index);
