#pragma once

#include <QCoreApplication>

namespace korvalde::gui {

// The program speaks German whatever the machine's locale: Qt's own texts (dialog
// buttons, the file dialog) and the number format.
void installGermanTranslation(QCoreApplication &application);

} // namespace korvalde::gui
