#pragma once

#include "controlwidgets.h"
#include "model/window.h"

#include <QAction>
#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace korvalde::gui {

// The widgets of one core window: built once from its controls, then kept in line with
// every change the core reports. The content widget is handed to a page stack or dialog.
class WindowView {
public:
    WindowView(const Window &window, const UserInput &input);

    QWidget *content() const { return content_; }
    QWidget *widget(const QString &control) const { return widgets_.value(control); }
    QAction *action(const QString &control) const { return actions_.value(control); }

    void sync(const Control &control, ControlProperty property);
    // Lists can be filled without a notice from the core; this re-reads them.
    void syncComboItems(const Window &window);

private:
    void nameFieldsByTheirCaptions(const Window &window);
    void buildMenus(const Window &window, const UserInput &input);

    QPointer<QWidget> content_;
    QHash<QString, QWidget *> widgets_;
    QHash<QString, QAction *> actions_;
};

} // namespace korvalde::gui
