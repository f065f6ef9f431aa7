// Small pictures the style sheets refer to (":/korvane/..."). They are compiled into the
// program because a style sheet's relative url() would depend on the working directory.
#pragma once

// Registers the compiled-in resources; safe to call more than once.
void Ui_InitResources();
