// The scenario driver that works the real widgets, as a user would: mouse clicks,
// picks from the open list, key presses. What it reads, it reads from the widgets.

#include "app/windowfactory.h"
#include "dialoganswers.h"
#include "driver.h"
#include "filenames.h"
#include "frontend.h"
#include "guiproperties.h"
#include "privatesettings.h"
#include "screenshot.h"
#include "widgetinput.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace korvalde::scenario {

namespace {

using gui::hotSpot;
using gui::settle;

class GuiDriver : public Driver {
public:
    GuiDriver()
    {
        frontend_.setMessageRunner([this](QMessageBox &box) {
            messages_ << box.text();
            gui::runAndConfirm(box);
        });
        frontend_.setSaveRunner(
            [this](QFileDialog &dialog) { return gui::runAndAnswer(dialog, saveAnswer_, &saveRefused_); });
        // No scenario command answers the print dialog: it opens and printing is cancelled,
        // as in the core.
        frontend_.setPrintRunner([](QPrintDialog &dialog) { return gui::runAndCancel(dialog); });
        frontend_.setOpenRunner(
            [this](QFileDialog &dialog) { return gui::runAndAnswer(dialog, openAnswer_, &openRefused_); });
        frontend_.setEndHandler([this] { ended_ = true; });
        app_ = std::make_unique<Application>(frontend_, createWindow, windowNames());
        frontend_.attach(*app_);
        app_->start(QStringLiteral("Form1"));
        settle();
    }

    QString click(const QString &window, const QString &control) override
    {
        if (QString why = unreachable(window, control); !why.isEmpty())
            return why;
        if (QAction *action = frontend_.action(window, control)) {
            action->trigger();
        } else if (auto *button = qobject_cast<QAbstractButton *>(frontend_.widget(window, control))) {
            QTest::mouseClick(button, Qt::LeftButton, {}, hotSpot(*button));
        } else {
            return QStringLiteral("%1.%2 cannot be clicked").arg(window, control);
        }
        settle();
        return {};
    }

    QString pick(const QString &window, const QString &control, const QString &entry) override
    {
        QString why;
        auto *combo = reachable<QComboBox>(window, control, "is no list", why);
        if (combo == nullptr)
            return why;
        const int index = combo->findText(entry, Qt::MatchExactly);
        if (index < 0)
            return QStringLiteral("%1.%2 has no entry \"%3\"").arg(window, control, entry);
        // Open the list, move to the entry and take it with Return, as a user would.
        combo->showPopup();
        QAbstractItemView *list = combo->view();
        list->setCurrentIndex(combo->model()->index(index, combo->modelColumn()));
        QTest::keyClick(list, Qt::Key_Return);
        settle();
        return {};
    }

    QString type(const QString &window, const QString &control, const QString &text) override
    {
        QString why;
        auto *field = reachable<QLineEdit>(window, control, "cannot be typed into", why);
        if (field == nullptr)
            return why;
        if (field->isReadOnly())
            return QStringLiteral("%1.%2 cannot be typed into").arg(window, control);
        gui::typeText(*field, text);
        settle();
        return {};
    }

    QString close(const QString &window) override
    {
        if (ended_)
            return QStringLiteral("the program has ended");
        QWidget *shell = frontend_.windowWidget(window);
        if (shell == nullptr)
            return QStringLiteral("window %1 is not loaded").arg(window);
        if (!frontend_.isOnScreen(window))
            return QStringLiteral("window %1 is not shown").arg(window);
        if (shell->isWindow())
            shell->close();
        else
            frontend_.mainWindow().close();
        settle();
        return {};
    }

    QString save(const std::optional<QString> &path) override
    {
        saveAnswer_ = path;
        return pressForFileDialog(QStringLiteral("Form5"), QStringLiteral("cmdSave"), saveRefused_, path,
                                  saveDialogRefusal, QStringLiteral("save"));
    }

    QString open(const std::optional<QString> &path) override
    {
        openAnswer_ = path;
        return pressForFileDialog(QStringLiteral("Form1"), QStringLiteral("mnuOeffnen"), openRefused_, path,
                                  openDialogRefusal, QStringLiteral("open"));
    }

    bool isKnownWindow(const QString &window) const override { return app_->isKnownWindow(window); }
    bool isLoaded(const QString &window) const override { return frontend_.windowWidget(window) != nullptr; }

    std::optional<ControlKind> controlKind(const QString &window, const QString &control) const override
    {
        const Window *found = app_->find(window);
        const Control *named = found == nullptr ? nullptr : found->find(control);
        if (named == nullptr || (frontend_.widget(window, control) == nullptr && !frontend_.action(window, control)))
            return std::nullopt;
        return named->kind();
    }

    QString windowProperty(const QString &window, const QString &property) const override
    {
        const QWidget &shell = *frontend_.windowWidget(window);
        if (property == "shown")
            return boolWord(frontend_.isOnScreen(window));
        if (property == "enabled")
            return boolWord(!isExplicitlyDisabled(shell));
        return shell.windowTitle();
    }

    QString controlProperty(const QString &window, const QString &control, const QString &property) const override
    {
        if (const QAction *action = frontend_.action(window, control))
            return actionProperty(*action, property);
        return widgetProperty(*frontend_.widget(window, control), property);
    }

    QStringList takeMessages() override { return std::exchange(messages_, {}); }
    bool hasEnded() const override { return ended_; }

    QString openModalWindow() const override
    {
        const QWidget *modal = QApplication::activeModalWidget();
        return modal == nullptr ? QString() : modal->windowTitle();
    }

    QString takeScreenshot(const QString &path) override { return scenario::takeScreenshot(frontend_, path); }

private:
    // Presses what opens a file dialog, whose answer is already set. A dialog that stayed
    // open on the name was cancelled by its answerer: say why it did not take the name.
    QString pressForFileDialog(const QString &window, const QString &control, bool &refused,
                               const std::optional<QString> &path, QString (*refusalOf)(const QString &),
                               const QString &dialog)
    {
        refused = false;
        const QString why = click(window, control);
        if (!why.isEmpty() || !refused)
            return why;
        QString refusal = path ? refusalOf(*path) : QString();
        if (refusal.isEmpty())
            refusal = QStringLiteral("it stays open on the name");
        return QStringLiteral("the %1 dialog refuses it: %2").arg(dialog, refusal);
    }

    // The control's widget when the user can reach it and it is of the wanted kind;
    // otherwise null, with the reason in `why`.
    template <typename WidgetType>
    WidgetType *reachable(const QString &window, const QString &control, const char *wrongKind, QString &why) const
    {
        why = unreachable(window, control);
        if (!why.isEmpty())
            return nullptr;
        auto *widget = qobject_cast<WidgetType *>(frontend_.widget(window, control));
        if (widget == nullptr)
            why = QStringLiteral("%1.%2 %3").arg(window, control, QLatin1String(wrongKind));
        return widget;
    }

    // Why the user could not reach the control now: its window is not in front or is
    // disabled, or the control or a frame around it is hidden or disabled.
    QString unreachable(const QString &window, const QString &control) const
    {
        if (ended_)
            return QStringLiteral("the program has ended");
        const QWidget *shell = frontend_.windowWidget(window);
        if (shell == nullptr)
            return QStringLiteral("window %1 is not loaded").arg(window);
        if (!frontend_.isOnScreen(window))
            return QStringLiteral("window %1 is not shown").arg(window);
        if (!shell->isEnabled())
            return QStringLiteral("window %1 is disabled").arg(window);
        if (const QAction *action = frontend_.action(window, control))
            return actionUnreachable(*action, window, control);
        const QWidget *widget = frontend_.widget(window, control);
        if (widget == nullptr)
            return QStringLiteral("window %1 has no control %2").arg(window, control);
        if (!widget->isVisibleTo(shell))
            return QStringLiteral("%1.%2 is hidden").arg(window, control);
        if (!widget->isEnabled())
            return QStringLiteral("%1.%2 is disabled").arg(window, control);
        return {};
    }

    static QString actionUnreachable(const QAction &action, const QString &window, const QString &control)
    {
        const auto *menu = qobject_cast<const QMenu *>(action.parent());
        const QAction *menuTitle = menu == nullptr ? nullptr : menu->menuAction();
        if (!action.isVisible() || (menuTitle != nullptr && menuTitle != &action && !menuTitle->isVisible()))
            return QStringLiteral("%1.%2 is hidden").arg(window, control);
        if (!action.isEnabled() || (menuTitle != nullptr && !menuTitle->isEnabled()))
            return QStringLiteral("%1.%2 is disabled").arg(window, control);
        return {};
    }

    // What the program remembers (the folder saved to last) is this scenario's own:
    // scenarios and other tests running beside it never open their dialogs in its folder.
    const gui::PrivateSettings settings_;
    gui::Frontend frontend_;
    std::unique_ptr<Application> app_;
    QStringList messages_;
    std::optional<QString> saveAnswer_;
    bool saveRefused_ = false;
    std::optional<QString> openAnswer_;
    bool openRefused_ = false;
    bool ended_ = false;
};

} // namespace

std::unique_ptr<Driver> makeGuiDriver()
{
    return std::make_unique<GuiDriver>();
}

} // namespace korvalde::scenario
