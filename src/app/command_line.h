// The few options the panel answers itself, before any window exists (so they work without a
// display): --version and --help. Everything else is left to the toolkit (-platform, -style).
#pragma once

#include <cstdio>
#include <optional>

// "korvane 1.2.3": the program name and the version it was built as.
const char *App_VersionLine();

// Handles --version and --help by printing to out; returns the exit code when the program
// should end there, nothing when it should start as usual.
std::optional<int> App_HandleCommandLine(int argc, const char *const argv[], std::FILE *out);
