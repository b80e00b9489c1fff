#include "protocol.h"

#include <QJsonArray>

namespace korvalde::web {

QString kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::CheckBox:
        return QStringLiteral("checkbox");
    case ControlKind::OptionButton:
        return QStringLiteral("option");
    case ControlKind::TextField:
        return QStringLiteral("field");
    case ControlKind::TextArea:
        return QStringLiteral("area");
    case ControlKind::EditField:
        return QStringLiteral("edit");
    case ControlKind::ComboBox:
        return QStringLiteral("combo");
    case ControlKind::Button:
        return QStringLiteral("button");
    case ControlKind::Label:
        return QStringLiteral("label");
    case ControlKind::Frame:
        return QStringLiteral("frame");
    case ControlKind::MenuItem:
        return QStringLiteral("menu");
    case ControlKind::Picture:
        return QStringLiteral("picture");
    }
    return QStringLiteral("label");
}

void encodeProperty(QJsonObject &into, const Control &control, ControlProperty property)
{
    switch (property) {
    case ControlProperty::Text:
        into.insert(QStringLiteral("text"), control.text());
        if (control.kind() == ControlKind::ComboBox)
            into.insert(QStringLiteral("items"), QJsonArray::fromStringList(control.items()));
        break;
    case ControlProperty::Enabled:
        into.insert(QStringLiteral("enabled"), control.isEnabled());
        break;
    case ControlProperty::Visible:
        into.insert(QStringLiteral("visible"), control.isVisible());
        break;
    case ControlProperty::ToolTip:
        into.insert(QStringLiteral("tooltip"), control.toolTip());
        break;
    case ControlProperty::State:
        if (control.kind() == ControlKind::CheckBox || control.kind() == ControlKind::OptionButton)
            into.insert(QStringLiteral("state"), stateName(control.state()));
        break;
    }
}

void encodeProperty(QJsonObject &into, const Window &window, WindowProperty property)
{
    switch (property) {
    case WindowProperty::Title:
        into.insert(QStringLiteral("title"), window.title());
        break;
    case WindowProperty::Shown:
        into.insert(QStringLiteral("shown"), window.isShown());
        break;
    case WindowProperty::Enabled:
        into.insert(QStringLiteral("enabled"), window.isEnabled());
        break;
    }
}

QJsonObject encodeControl(const Control &control)
{
    QJsonObject encoded{{QStringLiteral("name"), control.name()},
                        {QStringLiteral("kind"), kindName(control.kind())},
                        {QStringLiteral("parent"), control.placement().parent},
                        {QStringLiteral("sameRow"), control.placement().sameRow}};
    for (ControlProperty property : {ControlProperty::Text, ControlProperty::Enabled, ControlProperty::Visible,
                                     ControlProperty::ToolTip, ControlProperty::State})
        encodeProperty(encoded, control, property);
    if (!control.shownByClickOn().isEmpty())
        encoded.insert(QStringLiteral("shownByClickOn"), QJsonArray::fromStringList(control.shownByClickOn()));
    return encoded;
}

QJsonObject encodeWindow(const Window &window)
{
    QJsonArray controls;
    for (const auto &control : window.controls())
        controls.append(encodeControl(*control));
    QJsonObject encoded{{QStringLiteral("name"), window.name()},
                        {QStringLiteral("kind"),
                         window.kind() == WindowKind::Dialog ? QStringLiteral("dialog") : QStringLiteral("page")},
                        {QStringLiteral("controls"), controls}};
    for (WindowProperty property : {WindowProperty::Title, WindowProperty::Shown, WindowProperty::Enabled})
        encodeProperty(encoded, window, property);
    return encoded;
}

} // namespace korvalde::web
