#pragma once

#include "model/application.h"

#include <QString>

#include <functional>
#include <memory>
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

// One window of the program: what it is, how it comes into being, where the wizard's
// steps lead from it and what it adds to the modifications list.
struct WindowRow {
    QString name;
    WindowKind kind;
    // Creates the window in its layout state; its load runs after registration.
    std::function<std::unique_ptr<Window>(Application &)> create;
    QString previous; // the back step's page, or empty
    QString next;     // the forward step's page, or empty
    // The entries the page contributes now, each starting with ", " (or " mit " for the
    // sight's options, which run on from ", Sichtgerät"); empty for windows without any.
    std::function<QString(const Window &)> entries = {};
};

// Every window in wizard order: the pages from the start page to the completion page,
// then the mount-choice dialogs. The rows are filled in where the program is assembled,
// the one place that knows every page.
const std::vector<WindowRow> &windowTable();

// The row of the named window; a name the program does not have is a programming error.
const WindowRow &windowRow(const QString &name);

} // namespace korvalde
