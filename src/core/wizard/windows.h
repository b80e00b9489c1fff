#pragma once

#include "model/application.h"

#include <QString>

#include <vector>

namespace korvalde {

// The names of the program's windows. They are what the front end names its widgets and
// what scenario files say; inside the program every window is reached through these.
namespace windows {
inline const QString startPage = QStringLiteral("Form1");
inline const QString page2 = QStringLiteral("Form2");
inline const QString page3 = QStringLiteral("Form3");
inline const QString page4 = QStringLiteral("Form4");
inline const QString page5 = QStringLiteral("Form12");
inline const QString completion = QStringLiteral("Form5");
inline const QString rangefinderDialog = QStringLiteral("form6");
inline const QString laserTargetDialog = QStringLiteral("Form7");
inline const QString ultrasoundDialog = QStringLiteral("Form8");
inline const QString smartgunDialog = QStringLiteral("Form9");
inline const QString laserDialog = QStringLiteral("Form10");
inline const QString sightDialog = QStringLiteral("Form11");
} // namespace windows

// One window of the program: what it is and where the wizard's steps lead from it.
struct WindowRow {
    QString name;
    WindowKind kind;
    QString previous;      // the back step's page, or empty
    QString next;          // the forward step's page, or empty
    QString forwardButton; // the page's button that takes the forward step, or empty
};

// Every window in wizard order: the pages from the start page to the completion page,
// then the mount-choice dialogs. How each one is created is up to whoever assembles the
// program; the order and the steps are the wizard's.
const std::vector<WindowRow> &windowTable();

// The row of the named window; a name the program does not have is a programming error.
const WindowRow &windowRow(const QString &name);

} // namespace korvalde
