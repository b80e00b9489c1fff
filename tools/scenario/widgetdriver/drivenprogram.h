#pragma once

#include "dialoganswers.h"
#include "frontend.h"
#include "model/application.h"

#include <QString>

#include <memory>

namespace korvalde::gui {

// The whole program behind its real widgets, started on the start page, driven as a user
// would: mouse clicks, picks from the open list, key presses, the window's close. Each
// gesture returns why the user could not make it, or an empty text. Its dialogs are
// answered through `dialogs()`. Needs a QApplication.
class DrivenProgram {
public:
    DrivenProgram();
    ~DrivenProgram();
    DrivenProgram(const DrivenProgram &) = delete;
    DrivenProgram &operator=(const DrivenProgram &) = delete;

    Frontend &frontend() { return frontend_; }
    const Frontend &frontend() const { return frontend_; }
    Application &app() const { return *app_; }
    DialogAnswers &dialogs() { return dialogs_; }
    bool hasEnded() const { return app_->hasEnded(); }

    QString click(const QString &window, const QString &control);
    QString pick(const QString &window, const QString &control, const QString &entry);
    QString type(const QString &window, const QString &control, const QString &text);
    QString close(const QString &window);

    // Why the user could not reach the control now: the program has ended, its window is
    // not in front or is disabled, or the control, its menu or a frame around it is hidden
    // or disabled. Empty when the user can reach it.
    QString whyOutOfReach(const QString &window, const QString &control) const;
    // Why the user could not close the window now.
    QString whyNotClosable(const QString &window) const;

private:
    // The control's widget when the user can reach it and it is of the wanted kind;
    // otherwise null, with the reason in `why`.
    template <typename WidgetType>
    WidgetType *reachable(const QString &window, const QString &control, const char *wrongKind, QString &why) const;

    DialogAnswers dialogs_;
    Frontend frontend_;
    std::unique_ptr<Application> app_; // goes before the front end
};

} // namespace korvalde::gui
