#pragma once

#include "model/window.h"

#include <QJsonObject>
#include <QString>

namespace korvalde::web {

// The name the page knows a control kind by.
QString kindName(ControlKind kind);

// A control or window as the page builds it: every property it shows, and where it sits.
QJsonObject encodeControl(const Control &control);
QJsonObject encodeWindow(const Window &window);

// The value of one property of a control, under the key the page reads it from. A combo
// box's text comes with its list, as the list is what the text is chosen from.
void encodeProperty(QJsonObject &into, const Control &control, ControlProperty property);
void encodeProperty(QJsonObject &into, const Window &window, WindowProperty property);

} // namespace korvalde::web
