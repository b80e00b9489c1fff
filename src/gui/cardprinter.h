#pragma once

#include "model/weaponcard.h"

#include <QPrinter>

namespace korvalde::gui {

// Sets the printer up for a card: A4 upright, in gray, named after the weapon.
void prepareCardPrinter(QPrinter &printer, const WeaponCard &card);

// Lays the card out on one page of the printer and prints it. False when the printer
// cannot be used (for example a PDF file that cannot be written).
bool printWeaponCard(QPrinter &printer, const WeaponCard &card);

} // namespace korvalde::gui
