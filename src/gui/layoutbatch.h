#pragma once

#include <QLayout>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace korvalde::gui {

// Holds the layouts in and around the widgets the user sees (the page in front, open
// dialogs) while a user action changes them, and lays them out once when it lets go. Qt re-measures a whole window each
// time a widget in it is shown; a click that shows a dozen options would otherwise lay
// the page out a dozen times, resizing the window and moving every widget in between.
class LayoutBatch {
public:
    explicit LayoutBatch(const std::vector<QWidget *> &shown);
    ~LayoutBatch();
    LayoutBatch(const LayoutBatch &) = delete;
    LayoutBatch &operator=(const LayoutBatch &) = delete;

private:
    std::vector<QPointer<QLayout>> held_;
};

} // namespace korvalde::gui
