#include "drivenprogram.h"

#include "app/windowfactory.h"
#include "widgetinput.h"
#include "wizard/windows.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace korvalde::gui {

namespace {

QString actionOutOfReach(const QAction &action, const QString &window, const QString &control)
{
    // An entry is reached through the title of its menu.
    const auto *menu = qobject_cast<const QMenu *>(action.parent());
    const QAction *menuTitle = menu == nullptr ? nullptr : menu->menuAction();
    if (!action.isVisible() || (menuTitle != nullptr && menuTitle != &action && !menuTitle->isVisible()))
        return QStringLiteral("%1.%2 is hidden").arg(window, control);
    if (!action.isEnabled() || (menuTitle != nullptr && !menuTitle->isEnabled()))
        return QStringLiteral("%1.%2 is disabled").arg(window, control);
    return {};
}

} // namespace

DrivenProgram::DrivenProgram() : app_(std::make_unique<Application>(frontend_, createWindow, windowNames()))
{
    frontend_.attach(*app_);
    app_->start(windows::startPage);
    settle();
}

DrivenProgram::~DrivenProgram()
{
    app_.reset();
}

QString DrivenProgram::click(const QString &window, const QString &control)
{
    if (QString why = whyOutOfReach(window, control); !why.isEmpty())
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

QString DrivenProgram::pick(const QString &window, const QString &control, const QString &entry)
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

QString DrivenProgram::type(const QString &window, const QString &control, const QString &text)
{
    QString why;
    auto *field = reachable<QLineEdit>(window, control, "cannot be typed into", why);
    if (field == nullptr)
        return why;
    if (field->isReadOnly())
        return QStringLiteral("%1.%2 cannot be typed into").arg(window, control);
    typeText(*field, text);
    settle();
    return {};
}

QString DrivenProgram::close(const QString &window)
{
    if (QString why = whyNotClosable(window); !why.isEmpty())
        return why;
    QWidget *shell = frontend_.windowWidget(window);
    if (shell->isWindow())
        shell->close();
    else
        frontend_.mainWindow().close();
    settle();
    return {};
}

QString DrivenProgram::whyNotClosable(const QString &window) const
{
    if (hasEnded())
        return QStringLiteral("the program has ended");
    if (frontend_.windowWidget(window) == nullptr)
        return QStringLiteral("window %1 is not loaded").arg(window);
    if (!frontend_.isOnScreen(window))
        return QStringLiteral("window %1 is not shown").arg(window);
    return {};
}

QString DrivenProgram::whyOutOfReach(const QString &window, const QString &control) const
{
    if (QString why = whyNotClosable(window); !why.isEmpty())
        return why;
    const QWidget *shell = frontend_.windowWidget(window);
    if (!shell->isEnabled())
        return QStringLiteral("window %1 is disabled").arg(window);
    if (const QAction *action = frontend_.action(window, control))
        return actionOutOfReach(*action, window, control);
    const QWidget *widget = frontend_.widget(window, control);
    if (widget == nullptr)
        return QStringLiteral("window %1 has no control %2").arg(window, control);
    if (!widget->isVisibleTo(shell))
        return QStringLiteral("%1.%2 is hidden").arg(window, control);
    if (!widget->isEnabled())
        return QStringLiteral("%1.%2 is disabled").arg(window, control);
    return {};
}

template <typename WidgetType>
WidgetType *DrivenProgram::reachable(const QString &window, const QString &control, const char *wrongKind,
                                     QString &why) const
{
    why = whyOutOfReach(window, control);
    if (!why.isEmpty())
        return nullptr;
    auto *widget = qobject_cast<WidgetType *>(frontend_.widget(window, control));
    if (widget == nullptr)
        why = QStringLiteral("%1.%2 %3").arg(window, control, QLatin1String(wrongKind));
    return widget;
}

} // namespace korvalde::gui
