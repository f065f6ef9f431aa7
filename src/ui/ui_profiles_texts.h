// Texts of the profiles dialog, in both languages (the 184-entry language files stay as they
// are). Shown with Extra_Text(), which follows the language selection.
#pragma once

#include "app/extra_texts.h"

namespace ProfileText {
inline constexpr ExtraText Open {"Profiles…", "配置文件…"};
inline constexpr ExtraText Title {" Profiles", " 配置文件"};
inline constexpr ExtraText Export {"Export…", "导出…"};
inline constexpr ExtraText Apply {"Apply…", "应用…"};
inline constexpr ExtraText Compare {"Compare…", "比较…"};
inline constexpr ExtraText ApplyChanges {"Apply changes", "应用更改"};
inline constexpr ExtraText Cancel {"Cancel", "取消"};
inline constexpr ExtraText Close {"Close", "关闭"};
inline constexpr ExtraText Sections {"Apply these parts:", "应用以下部分："};
inline constexpr ExtraText SectionSystem {"EDID", "EDID"};
inline constexpr ExtraText SectionNetwork {"Network settings and baud rate (cut the link)",
                                           "网络设置和波特率（会断开连接）"};
inline constexpr ExtraText SectionNames {"Input and scene names", "输入和场景名称"};
inline constexpr ExtraText ColumnSetting {"Setting", "设置"};
inline constexpr ExtraText ColumnDevice {"Device", "设备"};
inline constexpr ExtraText ColumnProfile {"Profile", "配置文件"};
inline constexpr ExtraText ColumnNote {"Note", "备注"};
inline constexpr ExtraText FileFilter {"Korvane profile (*.json)", "Korvane 配置文件 (*.json)"};
inline constexpr ExtraText NoDevice {"Connect and identify a device first.",
                                     "请先连接并识别设备。"};
inline constexpr ExtraText Reading {"Reading the device…", "正在读取设备…"};
inline constexpr ExtraText Saved {"Saved %1 settings to %2.", "已将 %1 项设置保存到 %2。"};
inline constexpr ExtraText WriteFailed {"The profile was not saved: %1", "配置文件未保存：%1"};
inline constexpr ExtraText Unusable {"This file cannot be used as a profile:",
                                     "此文件不能用作配置文件："};
inline constexpr ExtraText OtherModel {
    "The profile is for a %1, the device is a %2: what the device "
    "lacks is skipped.",
    "配置文件属于 %1，设备是 %2：设备没有的设置将被跳过。"};
inline constexpr ExtraText Preview {"%1 change(s) listed. Choose the parts, then apply.",
                                    "列出 %1 项更改。请选择要应用的部分，然后应用。"};
inline constexpr ExtraText NothingToChange {"The device already matches the chosen parts.",
                                            "设备已与所选部分一致。"};
inline constexpr ExtraText Sending {"Sending %1 of %2: %3", "正在发送 %1/%2：%3"};
inline constexpr ExtraText Verified {"Done: the device reads back as the profile.",
                                     "完成：设备回读结果与配置文件一致。"};
inline constexpr ExtraText StillDiffers {"Done, but %1 setting(s) still differ on the device.",
                                         "完成，但设备上仍有 %1 项设置不同。"};
inline constexpr ExtraText Stopped {"Stopped after %1 of %2 commands (%3).",
                                    "在 %2 条命令中的第 %1 条后停止（%3）。"};
inline constexpr ExtraText NoAnswer {"the device did not answer %1", "设备未应答 %1"};
inline constexpr ExtraText LinkLost {"the link was lost", "连接已断开"};
inline constexpr ExtraText Cancelled {"Cancelled.", "已取消。"};
inline constexpr ExtraText Same {"No differences.", "没有差异。"};
inline constexpr ExtraText Differences {"%1 difference(s).", "%1 处差异。"};
inline constexpr ExtraText Skipped {"skipped: %1", "已跳过：%1"};
inline constexpr ExtraText NotRead {"—", "—"}; // the device reported no value
inline constexpr ExtraText SentNote {"sent", "已发送"};
inline constexpr ExtraText StillDifferent {"still different", "仍然不同"};
inline constexpr ExtraText CutsLink {"sent last; reconnect afterwards", "最后发送；之后请重新连接"};
inline constexpr ExtraText OnThisPc {"kept on this PC", "保存在本机"};
} // namespace ProfileText
