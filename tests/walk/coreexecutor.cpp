#include "app/windowfactory.h"
#include "toldstate.h"
#include "walk.h"

namespace korvalde::walk {

namespace {

// Closes every message box at once and answers the save dialog as told.
class QuietPlatform : public Platform {
public:
    void showMessage(const MessageBox &) override {}
    std::optional<QString> askSaveFileName(const SaveRequest &) override { return answer; }
    void endProgram() override {}
    std::optional<QString> answer;
};

class CoreExecutor : public Executor {
public:
    Application &restart() override
    {
        app_.reset();
        app_ = startKorvalde(platform_);
        app_->addObserver(&told_);
        told_.restart(*app_);
        return *app_;
    }
    QString click(const QString &window, const QString &control) override { return app_->userClick(window, control); }
    QString pick(const QString &window, const QString &control, const QString &entry) override
    {
        return app_->userPick(window, control, entry);
    }
    QString type(const QString &window, const QString &control, const QString &text) override
    {
        return app_->userType(window, control, text);
    }
    QString close(const QString &window) override { return app_->userClose(window); }
    void answerSave(const std::optional<QString> &path) override { platform_.answer = path; }
    // The core has no screen, but every change must still be told to the front ends.
    QString mirrorMismatch() const override { return told_.untold(*app_); }

private:
    QuietPlatform platform_;
    mutable ToldState told_;
    std::unique_ptr<Application> app_;
};

} // namespace

std::unique_ptr<Executor> makeCoreExecutor()
{
    return std::make_unique<CoreExecutor>();
}

} // namespace korvalde::walk
