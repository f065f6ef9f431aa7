// What an operator's hand does to a widget, for GUI and end-to-end tests.
#pragma once

#include <QComboBox>

// A choice in a combo's popup: the index changes, then activated fires (as it does for a click;
// setCurrentIndex alone never fires it).
inline void Choose(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}
