// Shared between the system page and the main window: whether the last request for the
// device's network or baud-rate settings was a query (true) or a write (false). After a
// write the reply means the device's link settings changed and the operator must reconnect.
#pragma once

extern bool LinkSettingsQueryOnly;
