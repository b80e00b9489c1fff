#include "guimirror.h"

#include "picturewidget.h"
#include "walk.h"
#include "widgetinput.h"
#include "widgetreading.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace korvalde::walk {

namespace {

using gui::boolWord;
using gui::isExplicitlyDisabled;
using gui::isExplicitlyHidden;
using gui::stateWord;
using gui::widgetProperty;

// Collects the first property in which the widgets and the core differ.
class Comparison {
public:
    void expect(const QString &subject, const char *property, const QString &shown, const QString &held)
    {
        if (difference_.isEmpty() && shown != held)
            difference_ = QStringLiteral("%1 %2: the widgets show %3, the program holds %4")
                              .arg(subject, QLatin1String(property), quoted(shown), quoted(held));
    }
    void expect(const QString &subject, const char *property, bool shown, bool held)
    {
        if (shown != held)
            expect(subject, property, boolWord(shown), boolWord(held));
    }
    void fail(const QString &difference)
    {
        if (difference_.isEmpty())
            difference_ = difference;
    }
    bool failed() const { return !difference_.isEmpty(); }
    const QString &difference() const { return difference_; }

private:
    QString difference_;
};

template <typename WidgetType>
const WidgetType *widgetAs(const QWidget &widget, const QString &subject, Comparison &comparison)
{
    const auto *typed = qobject_cast<const WidgetType *>(&widget);
    if (typed == nullptr)
        comparison.fail(QStringLiteral("%1 is shown by a %2").arg(subject, widget.metaObject()->className()));
    return typed;
}

// What the widget of each kind shows of the control's text and state.
void compareContent(const QWidget &widget, const Control &control, const QString &subject, Comparison &comparison)
{
    switch (control.kind()) {
    case ControlKind::CheckBox:
        if (const auto *box = widgetAs<QCheckBox>(widget, subject, comparison)) {
            comparison.expect(subject, "text", box->text(), control.text());
            comparison.expect(subject, "state", widgetProperty(*box, "state"), stateWord(control.state()));
        }
        break;
    case ControlKind::OptionButton:
        if (const auto *button = widgetAs<QRadioButton>(widget, subject, comparison)) {
            comparison.expect(subject, "text", button->text(), control.text());
            comparison.expect(subject, "checked", button->isChecked(), control.isChecked());
        }
        break;
    case ControlKind::Button:
        if (const auto *button = widgetAs<QPushButton>(widget, subject, comparison))
            comparison.expect(subject, "text", button->text(), control.text());
        break;
    case ControlKind::EditField:
    case ControlKind::TextField:
        if (const auto *field = widgetAs<QLineEdit>(widget, subject, comparison)) {
            comparison.expect(subject, "text", field->text(), control.text());
            comparison.expect(subject, "read-only", field->isReadOnly(), control.kind() == ControlKind::TextField);
        }
        break;
    case ControlKind::TextArea:
        // The text area breaks lines the same wherever the text uses CR LF.
        if (const auto *area = widgetAs<QPlainTextEdit>(widget, subject, comparison))
            comparison.expect(subject, "text", area->toPlainText(), QString(control.text()).replace("\r\n", "\n"));
        break;
    case ControlKind::ComboBox:
        if (const auto *combo = widgetAs<QComboBox>(widget, subject, comparison)) {
            comparison.expect(subject, "items", widgetProperty(*combo, "items"), control.items().join('|'));
            comparison.expect(subject, "text", gui::shownText(*combo), control.text());
        }
        break;
    case ControlKind::Label:
        if (const auto *label = widgetAs<QLabel>(widget, subject, comparison))
            comparison.expect(subject, "text", label->text(), control.text());
        break;
    case ControlKind::Frame:
        if (const auto *frame = widgetAs<QGroupBox>(widget, subject, comparison))
            comparison.expect(subject, "caption", frame->title(), control.text());
        break;
    case ControlKind::Picture:
        if (const auto *picture = dynamic_cast<const gui::PictureWidget *>(&widget))
            comparison.expect(subject, "picture", picture->pictureName(), control.text());
        else
            comparison.fail(subject + " is shown by no picture");
        break;
    case ControlKind::MenuItem:
        break;
    }
}

void compareControl(const gui::Frontend &frontend, const Control &control, bool windowOnScreen, Comparison &comparison)
{
    const QString window = control.window().name();
    const QString subject = window + '.' + control.name();
    if (control.kind() == ControlKind::MenuItem) {
        const QAction *action = frontend.action(window, control.name());
        if (action == nullptr)
            return comparison.fail(subject + " has no menu entry");
        comparison.expect(subject, "text", action->text(), control.text());
        comparison.expect(subject, "enabled", action->isEnabled(), control.isEnabled());
        comparison.expect(subject, "visible", action->isVisible(), control.isVisible());
        comparison.expect(subject, "tooltip", gui::actionProperty(*action, "tooltip"), control.toolTip());
        return;
    }
    const QWidget *widget = frontend.widget(window, control.name());
    if (widget == nullptr)
        return comparison.fail(subject + " has no widget");
    compareContent(*widget, control, subject, comparison);
    comparison.expect(subject, "enabled", !isExplicitlyDisabled(*widget), control.isEnabled());
    comparison.expect(subject, "visible", !isExplicitlyHidden(*widget), control.isVisible());
    comparison.expect(subject, "tooltip", widget->toolTip(), control.toolTip());
    // Hidden with the frame it stands in, as the user sees it.
    if (windowOnScreen)
        comparison.expect(subject, "on screen", widget->isVisible(), control.isShownInLayout());
}

void compareWindow(const gui::Frontend &frontend, const Window &window, Comparison &comparison)
{
    const QString name = window.name();
    const QWidget *shell = frontend.windowWidget(name);
    if (shell == nullptr)
        return comparison.fail("window " + name + " has no widgets");
    const bool onScreen = frontend.isOnScreen(name);
    comparison.expect(name, "shown", onScreen, window.isShown());
    comparison.expect(name, "title", shell->windowTitle(), window.title());
    comparison.expect(name, "enabled", !isExplicitlyDisabled(*shell), window.isEnabled());
    if (onScreen && window.kind() == WindowKind::Page)
        comparison.expect(name, "title of the main window", frontend.mainWindow().windowTitle(), window.title());
    for (const auto &control : window.controls()) {
        if (comparison.failed())
            return;
        compareControl(frontend, *control, onScreen, comparison);
    }
}

// No widgets left over from windows the program discarded.
void compareWindowCount(const Application &app, const gui::Frontend &frontend, Comparison &comparison)
{
    qsizetype pages = 0;
    qsizetype dialogs = 0;
    for (const Window *window : app.loadedWindows())
        ++(window->kind() == WindowKind::Page ? pages : dialogs);
    const gui::MainWindow &mainWindow = frontend.mainWindow();
    comparison.expect(QStringLiteral("the page stack"), "size", QString::number(mainWindow.pages().count()),
                      QString::number(pages));
    const auto dialogWidgets = mainWindow.findChildren<gui::DialogWindow *>(Qt::FindDirectChildrenOnly);
    comparison.expect(QStringLiteral("the dialog windows"), "count", QString::number(dialogWidgets.size()),
                      QString::number(dialogs));
}

} // namespace

QString mirrorMismatch(const Application &app, const gui::Frontend &frontend)
{
    Comparison comparison;
    if (app.hasEnded()) {
        comparison.expect(QStringLiteral("the ended program's main window"), "visible",
                          frontend.mainWindow().isVisible(), false);
        return comparison.difference();
    }
    compareWindowCount(app, frontend, comparison);
    for (const Window *window : app.loadedWindows()) {
        if (comparison.failed())
            break;
        compareWindow(frontend, *window, comparison);
    }
    return comparison.difference();
}

} // namespace korvalde::walk
