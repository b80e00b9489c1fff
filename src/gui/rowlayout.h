#pragma once

#include "model/control.h"

#include <QWidget>

#include <vector>

namespace korvalde::gui {

struct PlacedWidget {
    const Control *control;
    QWidget *widget;
    // Shown as the window was designed, before it was first loaded: the layout is the
    // window's own and does not depend on the moment its widgets are built.
    bool shownByDesign;
};

// A page's own buttons (those outside its frames) stand in one row at its bottom, in
// slots of one width, so that "Zurück" and "Weiter" are at the same place on every page.
struct ButtonRow {
    bool atBottom = false;
    // A page without a way back keeps the back button's slot empty, so that its forward
    // button stands where every other page has its own.
    bool emptyBackSlot = false;
};

// Lays the widgets out by their controls' placement, in layout order: each parent (the
// window or a frame) holds rows, a control that is not on the same row starts a new one.
// The window's rows stand top-left, so every page puts its first frame at the same spot;
// frames take the room a larger window gives (side by side they share the width, and
// their rows share the height), while the controls in a frame keep to its top left. A
// frame's rows form a grid, and a frame too tall for the screen with the controls shown
// by design continues its rows in further columns to the right.
void layOutRows(QWidget &content, const std::vector<PlacedWidget> &widgets, ButtonRow buttonRow = {});

} // namespace korvalde::gui
