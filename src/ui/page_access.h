// What a screen reader or a test robot needs from the panel's controls: a name that says what
// each control does, in the current language; the device's current choice (the flat button)
// reported as checked; and a Tab order that follows the controls on screen, row by row.
#pragma once

#include "app/extra_texts.h"

#include <QString>

class QPushButton;
class QWidget;

// "Name: choice" in the current language.
inline constexpr ExtraText Access_PairText {"%1: %2", "%1：%2"};
inline constexpr ExtraText Access_ReadAllText {"Read all: %1", "全部读取：%1"};
inline constexpr ExtraText Access_WindowSourceText {"%1 source: %2", "%1 信号源：%2"};
inline constexpr ExtraText Access_DownText {"%1 down", "%1 减小"};
inline constexpr ExtraText Access_UpText {"%1 up", "%1 增大"};
inline constexpr ExtraText Access_MinimiseText {"Minimise window", "最小化窗口"};
inline constexpr ExtraText Access_MaximiseText {"Maximise window", "最大化窗口"};
inline constexpr ExtraText Access_CloseText {"Close window", "关闭窗口"};
inline constexpr ExtraText Access_RenameText {"New name for %1", "%1 的新名称"};
inline constexpr ExtraText Access_VersionText {"Version number", "版本号"};
inline constexpr ExtraText Access_EdidFileText {"EDID file", "EDID 文件"};
inline constexpr ExtraText Access_FactoryResetText {"Reset to factory settings", "恢复出厂设置"};

// A caption as a name: blanks and the trailing colon, arrows and angle brackets go
// ("<<Save name↓↓↓" -> "Save name", "分辨率：" -> "分辨率").
QString Access_Caption(const QString &caption);
// Access_PairText with both parts as names.
QString Access_Pair(const QString &group, const QString &item);
void Access_Name(QWidget *widget, const QString &name);

// The button shows the device's current choice by being flat. Marked, it is also checkable
// and checked exactly while it is the current choice, so accessibility reports the choice;
// a click still only asks the device and leaves the check as it was.
void Access_MarkChoice(QPushButton *button);
// Makes the button the current choice (flat, and checked when marked) or not.
void Access_SetChoice(QPushButton *button, bool current);

// Orders Tab through the focusable controls under `root` as they appear: top to bottom in
// rows (controls whose middles lie within half a row of each other), left to right within a
// row. Hidden controls get their place too, for when they are shown.
void Access_SortTabOrder(QWidget *root);
