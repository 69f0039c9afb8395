#pragma once

#include <QList>

class QRadioButton;

// A group of option buttons is one Tab stop, on its selected button (on the first while
// none is selected), as keyboard users expect: Tab into the group lands on the current
// choice, so Space there changes nothing, and the arrow keys move the choice. Qt would stop
// on every button in turn. Follows the selection as it changes, by the user or the program.
void MakeOneTabStop(const QList<QRadioButton*>& group);
