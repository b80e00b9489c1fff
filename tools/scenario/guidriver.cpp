// The scenario driver that works the real widgets, as a user would (see the widget
// driver). What it reads, it reads from the widgets.

#include "drivenprogram.h"
#include "driver.h"
#include "filenames.h"
#include "privatesettings.h"
#include "screenshot.h"
#include "widgetreading.h"

#include <QApplication>

namespace korvalde::scenario {

namespace {

// No scenario command answers the print dialog: it opens and printing is cancelled, as in
// the core.
class GuiDriver : public Driver {
public:
    QString click(const QString &window, const QString &control) override { return program_.click(window, control); }
    QString pick(const QString &window, const QString &control, const QString &entry) override
    {
        return program_.pick(window, control, entry);
    }
    QString type(const QString &window, const QString &control, const QString &text) override
    {
        return program_.type(window, control, text);
    }
    QString close(const QString &window) override { return program_.close(window); }

    QString save(const std::optional<QString> &path) override
    {
        program_.dialogs().answerSave(path);
        return pressForFileDialog(QStringLiteral("Form5"), QStringLiteral("cmdSave"), path, saveDialogRefusal,
                                  QStringLiteral("save"));
    }

    QString open(const std::optional<QString> &path) override
    {
        program_.dialogs().answerOpen(path);
        return pressForFileDialog(QStringLiteral("Form1"), QStringLiteral("mnuOeffnen"), path, openDialogRefusal,
                                  QStringLiteral("open"));
    }

    bool isKnownWindow(const QString &window) const override { return program_.app().isKnownWindow(window); }
    bool isLoaded(const QString &window) const override { return frontend().windowWidget(window) != nullptr; }

    std::optional<ControlKind> controlKind(const QString &window, const QString &control) const override
    {
        const Window *found = program_.app().find(window);
        const Control *named = found == nullptr ? nullptr : found->find(control);
        if (named == nullptr || (frontend().widget(window, control) == nullptr && !frontend().action(window, control)))
            return std::nullopt;
        return named->kind();
    }

    QString windowProperty(const QString &window, const QString &property) const override
    {
        const QWidget &shell = *frontend().windowWidget(window);
        if (property == "shown")
            return boolWord(frontend().isOnScreen(window));
        if (property == "enabled")
            return boolWord(!gui::isExplicitlyDisabled(shell));
        return shell.windowTitle();
    }

    QString controlProperty(const QString &window, const QString &control, const QString &property) const override
    {
        if (const QAction *action = frontend().action(window, control))
            return gui::actionProperty(*action, property);
        return gui::widgetProperty(*frontend().widget(window, control), property);
    }

    QStringList takeMessages() override { return std::exchange(program_.dialogs().messages(), {}); }
    bool hasEnded() const override { return program_.hasEnded(); }

    QString openModalWindow() const override
    {
        const QWidget *modal = QApplication::activeModalWidget();
        return modal == nullptr ? QString() : modal->windowTitle();
    }

    QString takeScreenshot(const QString &path) override { return scenario::takeScreenshot(program_.frontend(), path); }

private:
    const gui::Frontend &frontend() const { return program_.frontend(); }

    // Presses what opens a file dialog, whose answer is already set. A dialog that stayed
    // open on the name was cancelled by its answerer: say why it did not take the name.
    QString pressForFileDialog(const QString &window, const QString &control, const std::optional<QString> &path,
                               QString (*refusalOf)(const QString &), const QString &dialog)
    {
        const QString why = click(window, control);
        if (!why.isEmpty() || !program_.dialogs().refusedLastAnswer())
            return why;
        QString refusal = path ? refusalOf(*path) : QString();
        if (refusal.isEmpty())
            refusal = QStringLiteral("it stays open on the name");
        return QStringLiteral("the %1 dialog refuses it: %2").arg(dialog, refusal);
    }

    // What the program remembers (the folder saved to last) is this scenario's own:
    // scenarios and other tests running beside it never open their dialogs in its folder.
    const gui::PrivateSettings settings_;
    gui::DrivenProgram program_;
};

} // namespace

std::unique_ptr<Driver> makeGuiDriver()
{
    return std::make_unique<GuiDriver>();
}

} // namespace korvalde::scenario
