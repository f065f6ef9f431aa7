// Texts of features that the 184-entry language files do not cover (status bar, terminal
// extras, profiles, settings-folder messages). They are built in for both languages, so the
// language files keep their fixed layout and files already on disk stay valid.
//
// Each feature defines its texts next to its own code as constants:
//     inline constexpr ExtraText StatusLost {"lost", "已断开"};
// and shows them with Extra_Text(StatusLost), which follows the language selection.
#pragma once

#include <QString>

struct ExtraText
{
    const char *english; // UTF-8
    const char *chinese; // UTF-8, Simplified Chinese
};

// The text in the language currently selected (Key_LanguageIsEnglish).
QString Extra_Text(const ExtraText &text);

// The text in the given language, for views that render both or tests.
QString Extra_Text(const ExtraText &text, bool english);
