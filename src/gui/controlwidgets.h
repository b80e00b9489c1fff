#pragma once

#include "model/control.h"

#include <QAction>
#include <QComboBox>
#include <QString>
#include <QWidget>

#include <functional>

namespace korvalde::gui {

// What the user does on a control's widget; the receiver hands it to the core as a user
// action. The widgets never change their own state from the user's input.
struct UserInput {
    std::function<void(const QString &control)> click;
    std::function<void(const QString &control, const QString &entry)> pick;
    std::function<void(const QString &control, const QString &text)> type;
};

// The widget that shows the control (every kind but menu items), named after the control
// and wired to report the user's input.
QWidget *createControlWidget(const Control &control, const UserInput &input);

// Brings the widget in line with one property of the control, without emitting a signal.
void syncWidget(QWidget &widget, const Control &control, ControlProperty property);
void syncWidgetFully(QWidget &widget, const Control &control);

// The same for a menu item's action.
void syncAction(QAction &action, const Control &control);

} // namespace korvalde::gui
