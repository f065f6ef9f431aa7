#include "state/link_settings.h"

bool LinkSettingsQueryOnly = false;
