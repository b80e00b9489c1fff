#pragma once

#include "model/application.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace korvalde::navigation {

// The wizard's pages in order, and the mount-choice dialogs of page 5, as the table of
// windows lists them.
const QStringList &pageOrder();
const QStringList &mountDialogs();

// A page of the wizard: closing it with the window's own close control ends the program.
std::unique_ptr<Window> newPage(Application &app, const QString &name, const QString &title);
void endProgramOnClose(Window &page);

// Shows `next` and hides `current`, which keeps its state.
void showInsteadOf(Window &next, Window &current);

// The windows that lie beyond `page` in the wizard, in the order they are discarded:
// the later pages, the completion page and the mount-choice dialogs.
QStringList windowsAfter(const QString &page);

// Discards every window of the list that is loaded.
void discardAll(Application &app, const QStringList &names);

// The back step: places the previous page where `current` stands, shows it, then discards
// `current` and every window beyond it.
void stepBack(Window &current, const QString &previous);

} // namespace korvalde::navigation
