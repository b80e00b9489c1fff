#pragma once

#include "controlwidgets.h"
#include "model/window.h"
#include "rowlayout.h"

#include <QAction>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>

namespace korvalde::gui {

// The widgets of one core window, kept in line with every change the core reports. The
// content widget exists from the start and is handed to a page stack or dialog; the
// widgets inside it are built only when first needed, from the controls' state then.
class WindowView {
public:
    WindowView(const Window &window, UserInput input);

    QWidget *content() const { return content_; }
    bool isBuilt() const { return built_; }
    // Builds the widgets, unless they are built already.
    void build();

    // Null until the widgets are built.
    QWidget *widget(const QString &control) const { return widgets_.value(control); }
    QAction *action(const QString &control) const { return actions_.value(control); }

    // Call as the window comes to the front: from now until another window does, nothing
    // the user can click moves when a click shows or hides a control.
    void keepPlacesWhileInFront();

    void sync(const Control &control, ControlProperty property);

    // The first widget Tab stops at, in layout order; null when none.
    QWidget *firstTabStop() const;

private:
    // Does the wizard lead back from this window?
    bool hasWayBack() const;
    void orderTabsByLayout(const std::vector<PlacedWidget> &placed);
    void nameFieldsByTheirCaptions();
    void buildMenus();

    const Window &window_;
    UserInput input_;
    QSet<QString> shownByDesign_; // the controls shown before the window was first loaded
    bool built_ = false;
    QPointer<QWidget> content_;
    QHash<QString, QWidget *> widgets_;
    QHash<QString, QAction *> actions_;
};

} // namespace korvalde::gui
