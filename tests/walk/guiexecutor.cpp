// Walks through the real widgets with the widget driver: every action is the mouse click,
// list pick, key press or window close a user would make, and refused where the user
// could not make it.

#include "guiexecutor.h"

#include "drivenprogram.h"
#include "guimirror.h"
#include "widgetinput.h"

namespace korvalde::walk {

namespace {

// Warnings of the front end (a refused action, a misused widget) during the walk. The
// offscreen platform's notes on what it cannot do say nothing about the program, nor does
// the test library's note on the Return that closes a list (the list takes it and closes).
QStringList *warningsSeen = nullptr;
QtMessageHandler previousHandler = nullptr;
bool closingList = false;

bool saysNothingOfTheProgram(const QString &message)
{
    return message.startsWith(QLatin1String("This plugin does not support")) ||
           (closingList && message == QLatin1String("Keyboard event not accepted by receiving widget"));
}

void recordWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (warningsSeen != nullptr && type != QtDebugMsg && type != QtInfoMsg && !saysNothingOfTheProgram(message))
        *warningsSeen << message;
    if (previousHandler != nullptr)
        previousHandler(type, context, message);
}

class GuiExecutor : public Executor {
public:
    GuiExecutor()
    {
        warningsSeen = &warnings_;
        previousHandler = qInstallMessageHandler(recordWarning);
    }

    ~GuiExecutor() override
    {
        shutDown();
        qInstallMessageHandler(previousHandler);
        warningsSeen = nullptr;
    }

    GuiExecutor(const GuiExecutor &) = delete;
    GuiExecutor &operator=(const GuiExecutor &) = delete;

    // Printing changes nothing the walk could check, and the walk opens no sheet through
    // the menu (the design walk reopens every sheet it saves): both dialogs are cancelled,
    // as in the core. The walk learns of the end from the program and starts it afresh.
    Application &restart() override
    {
        shutDown();
        program_ = std::make_unique<gui::DrivenProgram>();
        program_->dialogs().answerSave(saveAnswer_);
        return program_->app();
    }

    QString click(const QString &window, const QString &control) override
    {
        if (QString why = refusal(window, control); !why.isEmpty())
            return why;
        return agreed(program_->click(window, control));
    }

    QString pick(const QString &window, const QString &control, const QString &entry) override
    {
        if (QString why = refusal(window, control); !why.isEmpty())
            return why;
        closingList = true;
        const QString why = program_->pick(window, control, entry);
        closingList = false;
        return agreed(why);
    }

    QString type(const QString &window, const QString &control, const QString &text) override
    {
        if (QString why = refusal(window, control); !why.isEmpty())
            return why;
        return agreed(program_->type(window, control, text));
    }

    QString close(const QString &window) override
    {
        disagreement_.clear();
        const Application &app = program_->app();
        const QString held =
            app.hasEnded() || app.find(window) == nullptr || !app.find(window)->isShown() ? "not shown" : QString();
        if (QString why = compareReach(window, {}, program_->whyNotClosable(window), held); !why.isEmpty())
            return why;
        return agreed(program_->close(window));
    }

    void answerSave(const std::optional<QString> &path) override
    {
        saveAnswer_ = path;
        if (program_ != nullptr)
            program_->dialogs().answerSave(path);
    }

    QString mirrorMismatch() const override
    {
        if (!disagreement_.isEmpty())
            return disagreement_;
        if (!program_->dialogs().unanswered().isEmpty())
            return "a modal window nobody answers opened: " + program_->dialogs().unanswered();
        if (!warnings_.isEmpty())
            return "the front end warned: " + warnings_.join(" / ");
        return walk::mirrorMismatch(program_->app(), program_->frontend());
    }

private:
    void shutDown()
    {
        program_.reset();
        gui::settle();
        warnings_.clear();
        disagreement_.clear();
    }

    // Why the user could not reach the control now. Where the widgets and the program
    // disagree about that, the disagreement is kept for mirrorMismatch.
    QString refusal(const QString &window, const QString &control)
    {
        disagreement_.clear();
        return compareReach(window, control, program_->whyOutOfReach(window, control),
                            program_->app().whyUnreachable(window, control));
    }

    QString compareReach(const QString &window, const QString &control, const QString &shown, const QString &held)
    {
        if (shown.isEmpty() != held.isEmpty()) {
            disagreement_ = QStringLiteral("%1 %2: the widgets say %3, the program says %4")
                                .arg(window, control, shown.isEmpty() ? QStringLiteral("reachable") : shown,
                                     held.isEmpty() ? QStringLiteral("reachable") : held);
        }
        return shown.isEmpty() ? held : shown;
    }

    // Both said the control was within reach: a gesture the widgets still refuse (no such
    // entry in the list, a field that takes no keys) is a disagreement.
    QString agreed(const QString &why)
    {
        if (!why.isEmpty())
            disagreement_ = why;
        return why;
    }

    std::unique_ptr<gui::DrivenProgram> program_;
    std::optional<QString> saveAnswer_;
    QStringList warnings_;
    QString disagreement_;
};

} // namespace

std::unique_ptr<Executor> makeGuiExecutor()
{
    return std::make_unique<GuiExecutor>();
}

} // namespace korvalde::walk
