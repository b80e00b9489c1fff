// Walks through the real widgets: every action is the mouse click, list pick, key press
// or window close a user would make, and refused where the user could not make it.

#include "guiexecutor.h"

#include "app/windowfactory.h"
#include "dialoganswers.h"
#include "frontend.h"
#include "guimirror.h"
#include "guimodalwatch.h"
#include "widgetinput.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

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

// The scenario tool's widget driver.
using gui::hotSpot;
using gui::settle;

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

    Application &restart() override
    {
        shutDown();
        frontend_ = std::make_unique<gui::Frontend>();
        frontend_->setMessageRunner([this](QMessageBox &box) {
            modalWatch_.setAnswering(true);
            gui::runAndConfirm(box);
            modalWatch_.setAnswering(false);
        });
        // Printing changes nothing the walk could check; it is cancelled, as in the core.
        frontend_->setPrintRunner([](QPrintDialog &) { return false; });
        frontend_->setSaveRunner([this](QFileDialog &dialog) {
            modalWatch_.setAnswering(true);
            std::optional<QString> answer = gui::runAndAnswer(dialog, saveAnswer_);
            modalWatch_.setAnswering(false);
            return answer;
        });
        // The walk learns of the end from the program and starts it afresh.
        frontend_->setEndHandler([] {});
        app_ = std::make_unique<Application>(*frontend_, createWindow, windowNames());
        frontend_->attach(*app_);
        app_->start(QStringLiteral("Form1"));
        settle();
        return *app_;
    }

    QString click(const QString &window, const QString &control) override
    {
        if (QString why = refusal(window, control); !why.isEmpty())
            return why;
        if (QAction *action = frontend_->action(window, control)) {
            action->trigger();
        } else if (auto *button = qobject_cast<QAbstractButton *>(frontend_->widget(window, control))) {
            QTest::mouseClick(button, Qt::LeftButton, {}, hotSpot(*button));
        } else {
            return QStringLiteral("%1.%2 cannot be clicked").arg(window, control);
        }
        settle();
        return {};
    }

    QString pick(const QString &window, const QString &control, const QString &entry) override
    {
        if (QString why = refusal(window, control); !why.isEmpty())
            return why;
        auto *combo = qobject_cast<QComboBox *>(frontend_->widget(window, control));
        if (combo == nullptr)
            return QStringLiteral("%1.%2 is no list").arg(window, control);
        const int index = combo->findText(entry, Qt::MatchExactly);
        if (index < 0) {
            disagreement_ = QStringLiteral("%1.%2 offers no entry \"%3\"").arg(window, control, entry);
            return disagreement_;
        }
        // Open the list, move to the entry and take it with Return, as a user would.
        combo->showPopup();
        QAbstractItemView *list = combo->view();
        list->setCurrentIndex(combo->model()->index(index, combo->modelColumn()));
        closingList = true;
        QTest::keyClick(list, Qt::Key_Return);
        closingList = false;
        settle();
        return {};
    }

    QString type(const QString &window, const QString &control, const QString &text) override
    {
        if (QString why = refusal(window, control); !why.isEmpty())
            return why;
        auto *field = qobject_cast<QLineEdit *>(frontend_->widget(window, control));
        if (field == nullptr || field->isReadOnly())
            return QStringLiteral("%1.%2 cannot be typed into").arg(window, control);
        gui::typeText(*field, text);
        settle();
        return {};
    }

    QString close(const QString &window) override
    {
        disagreement_.clear();
        const QString held = app_->hasEnded() || app_->find(window) == nullptr || !app_->find(window)->isShown()
                                 ? QStringLiteral("not shown")
                                 : QString();
        const QString shown = frontend_->isOnScreen(window) ? QString() : QStringLiteral("not on screen");
        if (QString why = compareReach(window, {}, shown, held); !why.isEmpty())
            return why;
        QWidget *shell = frontend_->windowWidget(window);
        if (shell->isWindow())
            shell->close();
        else
            frontend_->mainWindow().close();
        settle();
        return {};
    }

    void answerSave(const std::optional<QString> &path) override { saveAnswer_ = path; }

    QString mirrorMismatch() const override
    {
        if (!disagreement_.isEmpty())
            return disagreement_;
        if (!modalWatch_.unanswered().isEmpty())
            return "a modal window nobody answers opened: " + modalWatch_.unanswered();
        if (!warnings_.isEmpty())
            return "the front end warned: " + warnings_.join(" / ");
        return walk::mirrorMismatch(*app_, *frontend_);
    }

private:
    // The application goes first: the front end mirrors it to the end.
    void shutDown()
    {
        app_.reset();
        frontend_.reset();
        settle();
        warnings_.clear();
        disagreement_.clear();
        modalWatch_.clear();
    }

    // Why the user could not reach the control now. Where the widgets and the program
    // disagree about that, the disagreement is kept for mirrorMismatch.
    QString refusal(const QString &window, const QString &control)
    {
        disagreement_.clear();
        return compareReach(window, control, widgetOutOfReach(window, control), app_->whyUnreachable(window, control));
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

    // On screen and enabled, with everything around it: the window, frames, the menu.
    QString widgetOutOfReach(const QString &window, const QString &control) const
    {
        if (!frontend_->isOnScreen(window))
            return QStringLiteral("window %1 is not on screen").arg(window);
        if (const QAction *action = frontend_->action(window, control)) {
            // An entry is reached through the title of its menu.
            const auto *menu = qobject_cast<const QMenu *>(action->parent());
            const QAction *title = menu != nullptr ? menu->menuAction() : action;
            if (!action->isVisible() || !action->isEnabled() || !title->isVisible() || !title->isEnabled())
                return QStringLiteral("%1.%2 is out of reach in its menu").arg(window, control);
            return {};
        }
        const QWidget *widget = frontend_->widget(window, control);
        if (widget == nullptr)
            return QStringLiteral("%1.%2 has no widget").arg(window, control);
        if (!widget->isVisible())
            return QStringLiteral("%1.%2 is not on screen").arg(window, control);
        if (!widget->isEnabled())
            return QStringLiteral("%1.%2 is disabled").arg(window, control);
        return {};
    }

    std::unique_ptr<gui::Frontend> frontend_;
    std::unique_ptr<Application> app_;
    std::optional<QString> saveAnswer_;
    QStringList warnings_;
    ModalWatch modalWatch_;
    QString disagreement_;
};

} // namespace

std::unique_ptr<Executor> makeGuiExecutor()
{
    return std::make_unique<GuiExecutor>();
}

} // namespace korvalde::walk
