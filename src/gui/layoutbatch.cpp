#include "layoutbatch.h"

#include <QCoreApplication>

namespace korvalde::gui {

LayoutBatch::LayoutBatch(const std::vector<QWidget *> &windows)
{
    for (QWidget *window : windows) {
        // A widget's own layout decides for the layouts nested in it.
        for (QLayout *layout : window->findChildren<QLayout *>()) {
            if (layout->isEnabled() && layout->parent()->isWidgetType()) {
                layout->setEnabled(false);
                held_.emplace_back(layout);
            }
        }
    }
}

LayoutBatch::~LayoutBatch()
{
    for (const QPointer<QLayout> &layout : held_) {
        if (layout != nullptr)
            layout->setEnabled(true);
    }
    // Every layout that changed asked to be laid out again; do it now, before anything is
    // painted in between.
    if (!held_.empty())
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

} // namespace korvalde::gui
