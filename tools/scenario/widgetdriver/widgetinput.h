#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPoint>
#include <QString>
#include <QWidget>

namespace korvalde::gui {

// The widget driver of the scenario tool's --gui mode, shared with the random walk: user
// input given to the real widgets as a user gives it, and the widgets read as the user
// sees them. Not part of the program.

// Lets the widgets catch up: layouts, and the windows the program discarded.
void settle();

// A point on the button's caption or indicator: a box stretched by its layout reacts
// only there.
QPoint hotSpot(const QWidget &widget);

// Replaces the field's text as typed: select all, delete, then the whole text in one key
// event, as a keyboard or input method delivers composed text, so that characters beyond
// Latin-1 and outside the Basic Multilingual Plane (two UTF-16 units) arrive whole.
void typeText(QLineEdit &field, const QString &text);

// What a combo box shows: the picked entry, or the program's text outside the list.
QString shownText(const QComboBox &combo);

} // namespace korvalde::gui
