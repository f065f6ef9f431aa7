// The link controller's own texts for the operator and the status log, in both languages
// (the language files keep their fixed layout). %1, %2 ... are filled by the controller.
#pragma once

#include "app/extra_texts.h"

inline constexpr ExtraText LinkLostText {"The connection to the device was lost.",
                                         "与设备的连接已断开。"};
inline constexpr ExtraText LogConnectedText {"Connected to %1.", "已连接 %1。"};
inline constexpr ExtraText LogIdentifiedText {"Device identified: %1.", "已识别设备：%1。"};
inline constexpr ExtraText LogLostText {"Connection to %1 lost.", "与 %1 的连接已断开。"};
inline constexpr ExtraText LogSilentText {"No answer to the keep-alive from %1.",
                                          "%1 未应答保活查询。"};
inline constexpr ExtraText LogNotSentText {"%1 command(s) not sent.", "%1 条命令未发送。"};
inline constexpr ExtraText LogRetryInText {"Reconnecting to %1 in %2 s.", "%2 秒后重新连接 %1。"};
inline constexpr ExtraText LogAttemptText {"Reconnect attempt %1 to %2.", "第 %1 次重新连接 %2。"};
inline constexpr ExtraText LogAttemptFailedText {"Reconnect attempt %1 failed.",
                                                 "第 %1 次重新连接失败。"};
inline constexpr ExtraText LogDisconnectedText {"Disconnected from %1 by the operator.",
                                                "操作员已断开 %1。"};
inline constexpr ExtraText LogDiscardedText {"%1 queued command(s) dropped by the operator.",
                                             "操作员已清除 %1 条排队命令。"};
