#include "model/window.h"

#include "model/application.h"

#include <stdexcept>

namespace korvalde {

Window::Window(Application &app, QString name, WindowKind kind, QString title)
    : app_(app), name_(std::move(name)), kind_(kind), title_(std::move(title))
{
}

void Window::notify(WindowProperty property)
{
    app_.notifyWindow(*this, property);
}

void Window::setTitle(const QString &title)
{
    if (title == title_)
        return;
    title_ = title;
    notify(WindowProperty::Title);
}

void Window::setShown(bool shown)
{
    if (shown == shown_)
        return;
    shown_ = shown;
    notify(WindowProperty::Shown);
}

void Window::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    notify(WindowProperty::Enabled);
}

Control &Window::add(const QString &name, ControlKind kind, const QString &text, Placement placement)
{
    if (byName_.contains(name))
        throw std::logic_error("duplicate control " + name.toStdString() + " in " + name_.toStdString());
    controls_.push_back(std::make_unique<Control>(*this, name, kind, text, std::move(placement)));
    Control &control = *controls_.back();
    byName_.insert(name, &control);
    return control;
}

Control &Window::operator[](const QString &name) const
{
    Control *control = find(name);
    if (control == nullptr)
        throw std::logic_error("no control " + name.toStdString() + " in " + name_.toStdString());
    return *control;
}

Control *Window::find(const QString &name) const
{
    return byName_.value(name, nullptr);
}

void Window::runLoad()
{
    if (load_)
        load_();
}

void Window::runDiscard()
{
    if (discard_)
        discard_();
}

void Window::runClose()
{
    if (close_)
        close_();
}

} // namespace korvalde
