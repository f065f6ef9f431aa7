// The main window's keys: Ctrl+1..Ctrl+5 choose the five layouts, Ctrl+R reads the current
// page again, F1 lists the keys. A device key does exactly what the mouse does on the same
// control (it presses that button), and only while a device is identified.
#pragma once

#include "app/extra_texts.h"

inline constexpr ExtraText MainKeys_ListText {
    "Keys\n"
    "Ctrl+1 to Ctrl+5: layout SINGLE, PIP, PBP, 3xWIN, 4xWIN\n"
    "Arrow keys in the window/source grid: move between sources\n"
    "Space or Enter on a source: show it in that window\n"
    "Ctrl+R: read the current page again\n"
    "Ctrl+P: device profiles (export, apply, compare)\n"
    "Alt+Z: debug terminal (while a link is open)\n"
    "F1: this list\n"
    "The device keys work once a device is identified.",
    "快捷键\n"
    "Ctrl+1 至 Ctrl+5：布局 SINGLE、PIP、PBP、3xWIN、4xWIN\n"
    "在窗口/信号源表格中按方向键：在信号源之间移动\n"
    "在信号源上按空格或回车：将其显示在该窗口\n"
    "Ctrl+R：重新读取当前页面\n"
    "Ctrl+P：配置文件（导出、应用、比较）\n"
    "Alt+Z：调试终端（连接打开时）\n"
    "F1：显示本列表\n"
    "设备快捷键在识别设备后才可使用。"};
