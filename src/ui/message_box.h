// The two modal boxes every window and page uses. Their button texts are fixed and not
// translated. A box carries the title of the window that raised it, opens centred over that
// window and always wholly on the screen that shows it; Enter presses OK or YES, Escape
// closes it (NO for a confirmation).
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

// One "OK" button; returns when the operator closed the box.
void MessageBox_Info(const QString &text, QWidget *parent);

// The same box for reports that come from the link (time-outs, replies, connect results):
// while such a box is open, further texts wait and are shown one after another when it
// closes, instead of piling nested modal boxes onto each other. A text already open or
// waiting is not queued again, so a burst of identical failures shows one box. At most
// MessageBox_PendingLimit texts wait; later ones are dropped.
void MessageBox_InfoSerial(const QString &text, QWidget *parent);
constexpr int MessageBox_PendingLimit = 64;

// "YES" and "NO"; true only when YES was pressed (closing the box counts as NO).
bool MessageBox_Confirm(const QString &text, QWidget *parent);

// Top-left corner of a box of `box` size: centred over `owner` (the raising window's frame;
// an empty rectangle centres on the screen), then pushed inside `screen` (the available
// area of the screen that shows the owner). A box larger than the screen keeps its top-left
// corner on it.
QPoint MessageBox_Placement(const QRect &owner, const QSize &box, const QRect &screen);

// Fixed button captions.
inline const char *const MessageBox_OkText = "OK";
inline const char *const MessageBox_YesText = "YES";
inline const char *const MessageBox_NoText = "NO";
