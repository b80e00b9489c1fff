#include "windowview.h"

#include "rowlayout.h"
#include "wizard/windows.h"

#include <QComboBox>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace korvalde::gui {

WindowView::WindowView(const Window &window, UserInput input)
    : window_(window), input_(std::move(input)), content_(new QWidget)
{
    content_->setObjectName(window.name());
    for (const auto &control : window.controls()) {
        if (control->isVisible())
            shownByDesign_.insert(control->name());
    }
}

void WindowView::build()
{
    if (built_)
        return;
    built_ = true;
    std::vector<PlacedWidget> placed;
    for (const auto &control : window_.controls()) {
        if (QWidget *widget = createControlWidget(*control, input_)) {
            widgets_.insert(control->name(), widget);
            placed.push_back({control.get(), widget, shownByDesign_.contains(control->name())});
        }
    }
    layOutRows(*content_, placed, {.atBottom = window_.kind() == WindowKind::Page, .emptyBackSlot = !hasWayBack()});
    shownByDesign_.clear();
    // Only now that they sit in the page can the widgets be shown; Qt would otherwise show
    // them a moment later, after the page has been measured without them.
    for (const PlacedWidget &widget : placed)
        syncWidget(*widget.widget, *widget.control, ControlProperty::Visible);
    orderTabsByLayout(placed);
    nameFieldsByTheirCaptions();
    buildMenus();
}

// Tab follows the window's layout order, whatever order the widgets came into their frames.
void WindowView::orderTabsByLayout(const std::vector<PlacedWidget> &placed)
{
    QWidget *previous = nullptr;
    for (const PlacedWidget &widget : placed) {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget.widget);
        previous = widget.widget;
    }
}

QWidget *WindowView::firstTabStop() const
{
    for (const auto &control : window_.controls()) {
        QWidget *shown = widget(control->name());
        if (shown != nullptr && (shown->focusPolicy() & Qt::TabFocus) && !shown->isHidden() && shown->isEnabled())
            return shown;
    }
    return nullptr;
}

bool WindowView::hasWayBack() const
{
    const auto &table = windowTable();
    return std::any_of(table.begin(), table.end(),
                       [this](const WindowRow &row) { return row.name == window_.name() && !row.previous.isEmpty(); });
}

namespace {

bool showsOwnCaption(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::CheckBox || kind == ControlKind::OptionButton;
}

bool takesTypedOrPickedValue(ControlKind kind)
{
    return kind == ControlKind::TextField || kind == ControlKind::TextArea || kind == ControlKind::EditField ||
           kind == ControlKind::ComboBox;
}

// The keys a desktop user expects for a menu item, by the item's name.
QKeySequence standardShortcut(const QString &menuItem)
{
    if (menuItem == QLatin1String("mnuOeffnen"))
        return QKeySequence::Open;
    return {};
}

} // namespace

// A field has no caption of its own; a screen reader calls it by the caption that stands
// before it in its frame ("DP:" for the DP field, "Gewichtsreduzierung" for its list), or
// by the frame's caption.
void WindowView::nameFieldsByTheirCaptions()
{
    QHash<QString, QString> lastCaption;
    for (const auto &control : window_.controls()) {
        const QString parent = control->placement().parent;
        if (showsOwnCaption(control->kind()) && !control->text().trimmed().isEmpty())
            lastCaption.insert(parent, control->text().trimmed());
        if (!takesTypedOrPickedValue(control->kind()))
            continue;
        QString name = lastCaption.value(parent);
        if (name.isEmpty())
            if (const Control *frame = window_.find(parent))
                name = frame->text().trimmed();
        if (QWidget *shown = widget(control->name()))
            shown->setAccessibleName(name.isEmpty() ? control->name() : name);
    }
}

// Menu items without a parent are the menus of the window's own menu bar; the others are
// the entries of the menu they name.
void WindowView::buildMenus()
{
    QMenuBar *menuBar = nullptr;
    QHash<QString, QMenu *> menus;
    for (const auto &control : window_.controls()) {
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
        action->setShortcut(standardShortcut(name));
        QObject::connect(action, &QAction::triggered, action, [input = input_, name] { input.click(name); });
        syncAction(*action, *control);
        actions_.insert(name, action);
    }
}

// What the window shows as it comes to the front keeps its place, and so does a control
// that a click on a box on offer may show. What the window never offers at this time (what
// this weapon's frame has not, a mount that is taken) takes no room.
void WindowView::keepPlacesWhileInFront()
{
    for (const auto &control : window_.controls()) {
        QWidget *shown = widget(control->name());
        if (shown == nullptr)
            continue;
        const QStringList &showingBoxes = control->shownByClickOn();
        const bool mayAppear = std::any_of(showingBoxes.begin(), showingBoxes.end(), [this](const QString &box) {
            const Control *showing = window_.find(box);
            return showing != nullptr && showing->isShownInLayout();
        });
        const bool keep = !shown->isHidden() || mayAppear;
        QSizePolicy policy = shown->sizePolicy();
        if (policy.retainSizeWhenHidden() != keep) {
            policy.setRetainSizeWhenHidden(keep);
            shown->setSizePolicy(policy);
        }
    }
}

void WindowView::sync(const Control &control, ControlProperty property)
{
    if (QWidget *shown = widget(control.name()))
        syncWidget(*shown, control, property);
    else if (QAction *menuAction = action(control.name()))
        syncAction(*menuAction, control);
}

} // namespace korvalde::gui
