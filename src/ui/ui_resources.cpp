#include "ui/ui_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initKorvaneUiResources()
{
    Q_INIT_RESOURCE(korvane_ui);
}

void Ui_InitResources()
{
    static const bool done = (initKorvaneUiResources(), true);
    Q_UNUSED(done);
}
