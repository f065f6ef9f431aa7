// Qt keeps per-session files (sockets, locks) in $XDG_RUNTIME_DIR. A desktop session sets it;
// a shell reached through su, sudo, a container or a bare `ssh -X` often does not, and Qt
// then warns at every start before falling back to a private folder in /tmp.
#pragma once

// When XDG_RUNTIME_DIR is unset, prepares the same private fallback folder Qt would use
// (<temp>/runtime-<user>, mode 0700, owned by the user) and names it in the environment, so
// the start is quiet. A fallback folder that is not private is left alone for Qt to report.
// Call before the application object exists.
void App_SettleRuntimeDir();
