// The two modal boxes every window and page uses. Their button texts are fixed and not
// translated; the box opens at the position of the parent's window.
#pragma once

#include <QString>

class QWidget;

// One "OK" button; returns when the operator closed the box.
void MessageBox_Info(const QString &text, QWidget *parent);

// "YES" and "NO"; true only when YES was pressed (closing the box counts as NO).
bool MessageBox_Confirm(const QString &text, QWidget *parent);

// Fixed button captions.
inline const char *const MessageBox_OkText = "OK";
inline const char *const MessageBox_YesText = "YES";
inline const char *const MessageBox_NoText = "NO";
