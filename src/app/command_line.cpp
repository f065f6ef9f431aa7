#include "app/command_line.h"

#include <cstring>

#ifndef KORVANE_VERSION
#error "KORVANE_VERSION must name the version being built"
#endif

namespace {
const char *const Help
    = "Usage: korvane [--version] [--help] [toolkit options such as -platform xcb]\n"
      "Control panel for video multiviewer and KVM switcher devices, connected over RS-232\n"
      "or TCP. The default password of both roles is 428613.\n"
      "\n"
      "Settings (APP/ConfigFile/config.ini and the language files) are kept beside the\n"
      "program when its folder can be written; an installed panel keeps them in\n"
      "$XDG_CONFIG_HOME/korvane/APP/ConfigFile/ (normally ~/.config/korvane/APP/ConfigFile/).\n"
      "\n"
      "  --version   print the version and exit\n"
      "  --help      print this help and exit\n";
} // namespace

const char *App_VersionLine()
{
    return "korvane " KORVANE_VERSION;
}

std::optional<int> App_HandleCommandLine(int argc, const char *const argv[], std::FILE *out)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fprintf(out, "%s\n", App_VersionLine());
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Help, out);
            return 0;
        }
    }
    return std::nullopt;
}
