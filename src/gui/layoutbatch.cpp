#include "layoutbatch.h"

#include <algorithm>

namespace korvalde::gui {

namespace {

int depthOf(const QLayout &layout)
{
    int depth = 0;
    for (const QWidget *widget = layout.parentWidget(); widget != nullptr; widget = widget->parentWidget())
        ++depth;
    return depth;
}

} // namespace

LayoutBatch::LayoutBatch(const std::vector<QWidget *> &shown)
{
    const auto hold = [this](QLayout *layout) {
        if (layout != nullptr && layout->isEnabled()) {
            layout->setEnabled(false);
            held_.emplace_back(layout);
        }
    };
    for (QWidget *root : shown) {
        // A widget's own layout decides for the layouts nested in it.
        for (QLayout *layout : root->findChildren<QLayout *>()) {
            if (layout->parent()->isWidgetType())
                hold(layout);
        }
        hold(root->layout());
        // Those around it up to its window, which take its size.
        for (QWidget *outer = root; !outer->isWindow();) {
            outer = outer->parentWidget();
            hold(outer->layout());
        }
    }
    // Inner widgets first: a widget's size tells its parent's layout what room it needs.
    std::stable_sort(held_.begin(), held_.end(),
                     [](const QPointer<QLayout> &a, const QPointer<QLayout> &b) { return depthOf(*a) > depthOf(*b); });
}

LayoutBatch::~LayoutBatch()
{
    for (const QPointer<QLayout> &layout : held_) {
        if (layout != nullptr)
            layout->setEnabled(true);
    }
    // Every layout that changed is laid out again now, inner ones before the outer ones
    // that take their new size, so nothing is painted half laid out. One that did not
    // change does nothing.
    for (const QPointer<QLayout> &layout : held_) {
        if (layout != nullptr)
            layout->activate();
    }
}

} // namespace korvalde::gui
