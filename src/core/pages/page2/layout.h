#pragma once

#include "model/window.h"

namespace korvalde::page2 {

// Adds every option control of page 2 into the options frame, grouped in sub-frames: all
// hidden, as the frame profile shows only what the chosen frame offers.
void layOutOptions(Window &page, const QString &optionsFrame);

// The step lists of an option bought in steps, one per maximum, shortest first:
// "gewicht" has `gewichtstufe2` to `gewichtstufe16`. The frame shows one of them.
QStringList stepListsOf(const QString &summary);

// Shows each option group that holds a visible control and hides the others.
void showGroupsInUse(Window &page, const QString &optionsFrame);

} // namespace korvalde::page2
