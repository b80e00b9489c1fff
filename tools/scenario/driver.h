#pragma once

#include "model/control.h"
#include "widgetreading.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace korvalde::scenario {

// What a scenario drives: the core directly, or the real widgets. Actions return an empty
// text when done and otherwise why the user could not do them; reading never loads a window.
class Driver {
public:
    virtual ~Driver() = default;

    virtual QString click(const QString &window, const QString &control) = 0;
    virtual QString pick(const QString &window, const QString &control, const QString &entry) = 0;
    virtual QString type(const QString &window, const QString &control, const QString &text) = 0;
    virtual QString close(const QString &window) = 0;
    // Presses Form5.cmdSave and answers the save dialog with `path`, or cancels it.
    virtual QString save(const std::optional<QString> &path) = 0;
    // Chooses Form1.mnuOeffnen and answers the open dialog with `path`, or cancels it.
    virtual QString open(const std::optional<QString> &path) = 0;

    virtual bool isKnownWindow(const QString &window) const = 0;
    virtual bool isLoaded(const QString &window) const = 0;
    // The kind of a control of a loaded window, or nothing for an unknown name.
    virtual std::optional<ControlKind> controlKind(const QString &window, const QString &control) const = 0;
    // A property's value in scenario form ("true", "checked", a text, entries joined by "|").
    // The caller has checked that the window is loaded and the property applies.
    virtual QString windowProperty(const QString &window, const QString &property) const = 0;
    virtual QString controlProperty(const QString &window, const QString &control, const QString &property) const = 0;

    // Message boxes shown since the last call, oldest first, each already closed with OK.
    virtual QStringList takeMessages() = 0;
    virtual bool hasEnded() const = 0;
    // Names a modal window still open after the scenario, or an empty text.
    virtual QString openModalWindow() const = 0;

    // Saves pictures of the windows on screen for the documentation (see screenshot.h);
    // returns why it could not.
    virtual QString takeScreenshot(const QString &path) = 0;
};

// The core without any windowing toolkit.
std::unique_ptr<Driver> makeCoreDriver();
// The real widgets; needs a QApplication. Nothing where the front end is not built in.
std::unique_ptr<Driver> makeGuiDriver();

// Scenario names for a control's state and for truth values.
using gui::boolWord;
using gui::stateWord;

} // namespace korvalde::scenario
