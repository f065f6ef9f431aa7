// The exit save: both top-level windows call this from their destructors; the first one
// to run writes the settings and the current language file, the second finds nothing to do.
#pragma once

void Config_SaveOnExit();
