// The two modal boxes every window and page uses. Their button texts are fixed and not
// translated; the box opens at the position of the parent's window.
#pragma once

#include <QString>

class QWidget;

// One "OK" button; returns when the operator closed the box.
void MessageBox_Info(const QString &text, QWidget *parent);

// The same box for reports that come from the link (time-outs, replies, connect results):
// while such a box is open, further texts wait and are shown one after another when it
// closes, instead of piling nested modal boxes onto each other. At most
// MessageBox_PendingLimit texts wait; later ones are dropped.
void MessageBox_InfoSerial(const QString &text, QWidget *parent);
constexpr int MessageBox_PendingLimit = 64;

// "YES" and "NO"; true only when YES was pressed (closing the box counts as NO).
bool MessageBox_Confirm(const QString &text, QWidget *parent);

// Fixed button captions.
inline const char *const MessageBox_OkText = "OK";
inline const char *const MessageBox_YesText = "YES";
inline const char *const MessageBox_NoText = "NO";
