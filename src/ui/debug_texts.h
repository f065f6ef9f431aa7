// Texts of the debug terminal's additions (its eight fixed captions stay untranslated).
#pragma once

#include "app/extra_texts.h"

inline constexpr ExtraText DebugWireText {"Wire", "收发对照"};
// Accessible names of the two panes (their captions "Recv:" and "Send:" stay fixed).
inline constexpr ExtraText DebugRecvPaneName {"Received lines", "接收的数据"};
inline constexpr ExtraText DebugSendPaneName {"Text to send", "待发送的文本"};
inline constexpr ExtraText DebugClearName {"Clear: %1", "清除：%1"};
inline constexpr ExtraText DebugWireTip {
    "Both directions in order: each command with the reply matched to it and the round trip",
    "按顺序显示收发：每条命令与其回复配对并显示往返时间"};
inline constexpr ExtraText DebugSaveText {"Save…", "保存…"};
inline constexpr ExtraText DebugSaveTitle {"Save the wire view", "保存收发记录"};
inline constexpr ExtraText DebugTimeText {"Time", "时间"};
inline constexpr ExtraText DebugHexInputText {"Hex input", "十六进制输入"};
inline constexpr ExtraText DebugLogText {"Log to file", "记录到文件"};
inline constexpr ExtraText DebugLogTitle {"Log the wire to a file", "将收发记录写入文件"};
inline constexpr ExtraText DebugLineEndTip {"Line end added to typed text", "输入文本附加的行尾"};
inline constexpr ExtraText DebugLineEndNone {"no line end", "无行尾"};
inline constexpr ExtraText DebugFindTip {"Find in the wire view (Enter: next)",
                                         "在收发记录中查找（回车：下一个）"};
inline constexpr ExtraText DebugAddSnippetText {"+ Snippet", "+ 常用命令"};
inline constexpr ExtraText DebugSnippetNameTitle {"Name of the snippet", "常用命令名称"};
inline constexpr ExtraText DebugSnippetTip {"Click: send. Right-click: remove.",
                                            "单击：发送。右键：删除。"};
inline constexpr ExtraText DebugSnippetsFull {"No more snippets: remove one first (at most %1).",
                                              "常用命令已满：请先删除一条（最多 %1 条）。"};
inline constexpr ExtraText DebugHexNotHex {"Not sent: character %1 is not a hex digit.",
                                           "未发送：第 %1 个字符不是十六进制数字。"};
inline constexpr ExtraText DebugHexOdd {
    "Not sent: the hex digit at character %1 has no partner (bytes are two digits).",
    "未发送：第 %1 个字符处的十六进制数字不成对（每字节两位）。"};
inline constexpr ExtraText DebugHexTooLong {"Not sent: more than %1 bytes; send them in parts.",
                                            "未发送：超过 %1 字节，请分段发送。"};
inline constexpr ExtraText DebugNoLink {"Not sent: no link is open.", "未发送：没有打开的连接。"};
inline constexpr ExtraText DebugSaved {"Saved to %1.", "已保存到 %1。"};
inline constexpr ExtraText DebugSaveFailed {"Not saved: %1: %2", "未保存：%1：%2"};
inline constexpr ExtraText DebugLogging {"Logging to %1.", "正在记录到 %1。"};
inline constexpr ExtraText DebugLogFailed {"Logging stopped: cannot write %1",
                                           "记录已停止：无法写入 %1"};
inline constexpr ExtraText DebugNotFound {"Not found: %1", "未找到：%1"};
inline constexpr ExtraText DebugCompletions {"Commands: %1", "命令：%1"};

// Words of the wire view's lines.
inline constexpr ExtraText DebugTimedOutMark {"no reply (timed out)", "无回复（超时）"};
inline constexpr ExtraText DebugLateMark {"late reply", "迟到的回复"};
inline constexpr ExtraText DebugUnsolicitedMark {"unsolicited", "主动上报"};
