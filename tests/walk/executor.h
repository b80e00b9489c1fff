#pragma once

#include "model/application.h"
#include "model/platform.h"
#include "toldstate.h"

#include <QString>

#include <memory>
#include <optional>

namespace korvalde::walk {

// Carries out the walk's actions on the core: every message box is closed at once and
// the save dialog answered as told.
class Executor {
public:
    // The program, started afresh with the start page shown.
    Application &restart();
    QString click(const QString &window, const QString &control) { return app_->userClick(window, control); }
    QString pick(const QString &window, const QString &control, const QString &entry)
    {
        return app_->userPick(window, control, entry);
    }
    QString type(const QString &window, const QString &control, const QString &text)
    {
        return app_->userType(window, control, text);
    }
    QString close(const QString &window) { return app_->userClose(window); }
    void answerSave(const std::optional<QString> &path) { platform_.answer = path; }
    // The core has no screen, but every change must still be told to the front ends: the
    // first one that was not, or an empty text.
    QString mirrorMismatch() const { return told_.untold(*app_); }

private:
    class QuietPlatform : public Platform {
    public:
        void showMessage(const MessageBox &) override {}
        std::optional<QString> askSaveFileName(const SaveRequest &) override { return answer; }
        void endProgram() override {}
        std::optional<QString> answer;
    };

    QuietPlatform platform_;
    mutable ToldState told_;
    std::unique_ptr<Application> app_;
};

} // namespace korvalde::walk
