#include "toldstate.h"

namespace korvalde::walk {

void ToldState::windowCreated(Window &window)
{
    windows_[&window] = {window.title(), window.isShown(), window.isEnabled()};
    for (const auto &control : window.controls()) {
        controls_[control.get()] = {control->text(),      control->items(),   control->isEnabled(),
                                    control->isVisible(), control->toolTip(), control->state()};
    }
}

void ToldState::windowDiscarded(Window &window)
{
    windows_.remove(&window);
    for (const auto &control : window.controls())
        controls_.remove(control.get());
}

void ToldState::windowChanged(Window &window, WindowProperty property)
{
    if (!windows_.contains(&window))
        return;
    WindowLook &look = windows_[&window];
    switch (property) {
    case WindowProperty::Title:
        look.title = window.title();
        break;
    case WindowProperty::Shown:
        look.shown = window.isShown();
        break;
    case WindowProperty::Enabled:
        look.enabled = window.isEnabled();
        break;
    }
}

void ToldState::controlChanged(Control &control, ControlProperty property)
{
    if (!controls_.contains(&control))
        return;
    ControlLook &look = controls_[&control];
    switch (property) {
    case ControlProperty::Text:
        look.text = control.text();
        look.items = control.items();
        break;
    case ControlProperty::Enabled:
        look.enabled = control.isEnabled();
        break;
    case ControlProperty::Visible:
        look.visible = control.isVisible();
        break;
    case ControlProperty::ToolTip:
        look.toolTip = control.toolTip();
        break;
    case ControlProperty::State:
        look.state = control.state();
        break;
    }
}

void ToldState::restart(const Application &app)
{
    windows_.clear();
    controls_.clear();
    for (Window *window : app.loadedWindows())
        windowCreated(*window);
}

QString ToldState::untold(const Application &app)
{
    for (Window *window : app.loadedWindows()) {
        const WindowLook told = windows_.value(window);
        if (told.title != window->title() || told.shown != window->isShown() || told.enabled != window->isEnabled())
            return QStringLiteral("window %1 changed without telling the front end").arg(window->name());
        for (const auto &control : window->controls()) {
            if (!controls_.contains(control.get()))
                continue;
            const ControlLook &look = controls_[control.get()];
            if (look.text != control->text() || look.items != control->items() ||
                look.enabled != control->isEnabled() || look.visible != control->isVisible() ||
                look.toolTip != control->toolTip() || look.state != control->state())
                return QStringLiteral("%1.%2 changed without telling the front end")
                    .arg(window->name(), control->name());
        }
    }
    return {};
}

} // namespace korvalde::walk
