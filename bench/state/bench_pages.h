// The pages mode of bench_reply_dispatcher (bench_pages.cpp).
#pragma once

#include <string>
#include <vector>

// Runs the lines (less the device's link settings, which open a message box) into the real
// main window's pages and prints the figures and the picture verdict; true when it passes.
bool Bench_Pages(int argc, char **argv, const std::vector<std::string> &mix, double seconds);
