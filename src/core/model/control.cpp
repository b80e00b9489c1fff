#include "model/control.h"

#include "model/application.h"
#include "model/window.h"

namespace korvalde {

QString stateName(CheckState state)
{
    switch (state) {
    case CheckState::Checked:
        return QStringLiteral("checked");
    case CheckState::Grayed:
        return QStringLiteral("grayed");
    case CheckState::Unchecked:
        break;
    }
    return QStringLiteral("unchecked");
}

Control::Control(Window &window, QString name, ControlKind kind, QString text, Placement placement)
    : window_(window), name_(std::move(name)), kind_(kind), text_(std::move(text)), placement_(std::move(placement))
{
}

void Control::notify(ControlProperty property)
{
    window_.app().notifyControl(*this, property);
}

void Control::setItems(const QStringList &items)
{
    if (items == items_)
        return;
    items_ = items;
    notify(ControlProperty::Text);
}

void Control::setText(const QString &text)
{
    if (text == text_)
        return;
    text_ = text;
    notify(ControlProperty::Text);
    if (change_)
        change_();
}

void Control::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    notify(ControlProperty::Enabled);
}

void Control::addShownByClickOn(const QString &box)
{
    if (!shownByClickOn_.contains(box))
        shownByClickOn_ << box;
}

void Control::setVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    notify(ControlProperty::Visible);
}

void Control::setToolTip(const QString &toolTip)
{
    if (toolTip == toolTip_)
        return;
    toolTip_ = toolTip;
    notify(ControlProperty::ToolTip);
}

void Control::setState(CheckState state)
{
    if (state == state_)
        return;
    if (kind_ == ControlKind::OptionButton && state == CheckState::Checked) {
        for (const auto &sibling : window_.controls()) {
            if (sibling.get() != this && sibling->kind_ == ControlKind::OptionButton &&
                sibling->placement_.parent == placement_.parent && sibling->isChecked()) {
                sibling->state_ = CheckState::Unchecked;
                sibling->notify(ControlProperty::State);
            }
        }
    }
    state_ = state;
    notify(ControlProperty::State);
    if (click_)
        click_();
}

void Control::press()
{
    if (click_)
        click_();
}

bool Control::isEnabledInLayout() const
{
    if (!enabled_)
        return false;
    const Control *parent = placement_.parent.isEmpty() ? nullptr : window_.find(placement_.parent);
    return parent == nullptr || parent->isEnabledInLayout();
}

bool Control::isShownInLayout() const
{
    if (!visible_)
        return false;
    if (placement_.parent.isEmpty())
        return true;
    const Control *parent = window_.find(placement_.parent);
    return parent == nullptr || parent->isShownInLayout();
}

} // namespace korvalde
