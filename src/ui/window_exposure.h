// Work that waits for a window's first picture on the screen: until then it would only
// compete with the window for the processor.
#pragma once

#include <functional>

class QWidget;

// Runs `call` once, one turn of the event loop after the window is first exposed; at once
// when the window has no native window to watch (it will not be exposed). Forgotten when the
// window is destroyed first.
void Window_AfterFirstExposure(QWidget *window, std::function<void()> call);
