#include "windowview.h"

#include "rowlayout.h"

#include <QComboBox>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

namespace korvalde::gui {

WindowView::WindowView(const Window &window, const UserInput &input) : content_(new QWidget)
{
    content_->setObjectName(window.name());
    std::vector<PlacedWidget> placed;
    for (const auto &control : window.controls()) {
        if (QWidget *widget = createControlWidget(*control, input)) {
            widgets_.insert(control->name(), widget);
            placed.push_back({control.get(), widget});
        }
    }
    layOutRows(*content_, placed);
    buildMenus(window, input);
}

// Menu items without a parent are the menus of the window's own menu bar; the others are
// the entries of the menu they name.
void WindowView::buildMenus(const Window &window, const UserInput &input)
{
    QMenuBar *menuBar = nullptr;
    QHash<QString, QMenu *> menus;
    for (const auto &control : window.controls()) {
        if (control->kind() != ControlKind::MenuItem)
            continue;
        const QString name = control->name();
        QAction *action = nullptr;
        if (QMenu *owner = menus.value(control->placement().parent)) {
            action = owner->addAction(control->text());
        } else {
            if (menuBar == nullptr) {
                menuBar = new QMenuBar(content_);
                content_->layout()->setMenuBar(menuBar);
            }
            QMenu *menu = menuBar->addMenu(control->text());
            menu->setObjectName(name);
            menus.insert(name, menu);
            action = menu->menuAction();
        }
        action->setObjectName(name);
        QObject::connect(action, &QAction::triggered, action, [input, name] { input.click(name); });
        syncAction(*action, *control);
        actions_.insert(name, action);
    }
}

void WindowView::sync(const Control &control, ControlProperty property)
{
    if (QWidget *shown = widget(control.name()))
        syncWidget(*shown, control, property);
    else if (QAction *menuAction = action(control.name()))
        syncAction(*menuAction, control);
}

void WindowView::syncComboItems(const Window &window)
{
    for (const auto &control : window.controls()) {
        if (control->kind() == ControlKind::ComboBox)
            sync(*control, ControlProperty::Text);
    }
}

} // namespace korvalde::gui
