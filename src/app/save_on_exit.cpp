#include "app/save_on_exit.h"

#include "app/config_file.h"
#include "app/config_values.h"

void Config_SaveOnExit()
{
    if (!SaveOnExitPending)
        return;
    SaveOnExitPending = false;
    Config_SaveAll();
}
