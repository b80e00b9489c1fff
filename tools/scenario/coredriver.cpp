#include "app/windowfactory.h"
#include "driver.h"
#include "filenames.h"
#include "model/application.h"

namespace korvalde::scenario {

namespace {

// Closes every message box at once with OK and answers the save dialog as told. A name
// the real dialog would not take is refused as it refuses it, and the dialog cancelled.
class RecordingPlatform : public Platform {
public:
    void showMessage(const MessageBox &message) override { messages << message.text; }
    std::optional<QString> askSaveFileName(const SaveRequest &) override
    {
        if (saveAnswer)
            refusal = saveDialogRefusal(*saveAnswer);
        return refusal.isEmpty() ? saveAnswer : std::nullopt;
    }
    std::optional<QString> askOpenFileName(const OpenRequest &) override
    {
        if (openAnswer)
            refusal = openDialogRefusal(*openAnswer);
        return refusal.isEmpty() ? openAnswer : std::nullopt;
    }
    // The program has ended when the platform was told to end it, as the real one quits.
    void endProgram() override { ended = true; }

    QStringList messages;
    bool ended = false;
    std::optional<QString> saveAnswer;
    std::optional<QString> openAnswer;
    QString refusal;
};

class CoreDriver : public Driver {
public:
    CoreDriver() : app_(startKorvalde(platform_)) {}

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
    QString save(const std::optional<QString> &path) override
    {
        platform_.saveAnswer = path;
        return pressForFileDialog("Form5", "cmdSave", QStringLiteral("save"));
    }

    QString open(const std::optional<QString> &path) override
    {
        platform_.openAnswer = path;
        return pressForFileDialog("Form1", "mnuOeffnen", QStringLiteral("open"));
    }

    // Presses what opens a file dialog, whose answer is already set; a name the dialog
    // refuses fails the action with the dialog's reason.
    QString pressForFileDialog(const QString &window, const QString &control, const QString &dialog)
    {
        platform_.refusal.clear();
        const QString why = app_->userClick(window, control);
        if (!why.isEmpty() || platform_.refusal.isEmpty())
            return why;
        return QStringLiteral("the %1 dialog refuses it: %2").arg(dialog, platform_.refusal);
    }

    bool isKnownWindow(const QString &window) const override { return app_->isKnownWindow(window); }
    bool isLoaded(const QString &window) const override { return app_->isLoaded(window); }
    std::optional<ControlKind> controlKind(const QString &window, const QString &control) const override
    {
        const Control *found = app_->find(window)->find(control);
        if (found == nullptr)
            return std::nullopt;
        return found->kind();
    }
    QString windowProperty(const QString &window, const QString &property) const override
    {
        const Window &found = *app_->find(window);
        if (property == "shown")
            return boolWord(found.isShown());
        if (property == "enabled")
            return boolWord(found.isEnabled());
        return found.title();
    }
    QString controlProperty(const QString &window, const QString &control, const QString &property) const override
    {
        const Control &found = (*app_->find(window))[control];
        if (property == "tooltip")
            return found.toolTip();
        if (property == "state")
            return stateWord(found.state());
        if (property == "enabled")
            return boolWord(found.isEnabled());
        if (property == "visible")
            return boolWord(found.isVisible());
        if (property == "items")
            return found.items().join('|');
        return found.text();
    }

    QStringList takeMessages() override { return std::exchange(platform_.messages, {}); }
    bool hasEnded() const override { return platform_.ended; }
    QString openModalWindow() const override { return {}; }
    QString takeScreenshot(const QString &) override { return QStringLiteral("pictures need --gui"); }

private:
    RecordingPlatform platform_;
    std::unique_ptr<Application> app_;
};

} // namespace

std::unique_ptr<Driver> makeCoreDriver()
{
    return std::make_unique<CoreDriver>();
}

} // namespace korvalde::scenario
