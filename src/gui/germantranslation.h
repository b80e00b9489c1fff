#pragma once

#include <QCoreApplication>

namespace korvalde::gui {

// The program speaks German whatever the machine's locale: the number format of every
// widget made from now on...
void useGermanNumbers();
// ...and Qt's own texts (dialog buttons, the file dialog); sets the numbers too.
void installGermanTranslation(QCoreApplication &application);

} // namespace korvalde::gui
