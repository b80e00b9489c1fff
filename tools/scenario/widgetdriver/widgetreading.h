#pragma once

#include "model/control.h"

#include <QAction>
#include <QString>
#include <QWidget>

namespace korvalde::gui {

// Scenario words for a control's state and for truth values ("checked", "true").
QString stateWord(CheckState state);
QString boolWord(bool value);

// A control's property in scenario form, read from the widget's own state as the program
// left it (see the scenario format: "enabled" and "visible" are the control's own flags,
// whatever its window does).
QString widgetProperty(const QWidget &widget, const QString &property);
QString actionProperty(const QAction &action, const QString &property);

// Did the program hide or disable exactly this widget (not merely one of its parents)?
bool isExplicitlyHidden(const QWidget &widget);
bool isExplicitlyDisabled(const QWidget &widget);

} // namespace korvalde::gui
