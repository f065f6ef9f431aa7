// The link's preferences in the panel's own preferences file (never config.ini): reconnect
// after a loss, the keep-alive interval, and each connection's reply time-out. Values read
// back are range-checked (the file may be edited by hand). GUI thread.
#pragma once

#include "link/link_controller.h"
#include "link/link_target.h"

#include <QString>

constexpr int KeepAliveDefaultS = 30;
constexpr int KeepAliveMaxS = 3600; // 0 switches the keep-alive off
constexpr int ReplyTimeoutMinMs = ReplyTimeoutMs; // the device's own pace: raised, never lowered
constexpr int ReplyTimeoutMaxMs = 30000;

LinkPolicy LinkPrefs_Policy();
void LinkPrefs_SetPolicy(const LinkPolicy &policy);

// The key that names one connection: "tcp-192.168.0.247-2000", "serial-ttyUSB0".
QString LinkPrefs_ConnectionKey(const LinkTarget &target);
int LinkPrefs_ReplyTimeoutMs(const LinkTarget &target);
void LinkPrefs_SetReplyTimeoutMs(const LinkTarget &target, int ms);
