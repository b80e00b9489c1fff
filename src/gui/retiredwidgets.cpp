#include "retiredwidgets.h"

#include <QTimer>

namespace korvalde::gui {

RetiredWidgets::~RetiredWidgets()
{
    for (const QPointer<QWidget> &widget : std::as_const(waiting_))
        delete widget.data();
}

void RetiredWidgets::retire(QWidget *widget)
{
    // Out of the main window at once, so that it holds only what the program shows.
    widget->hide();
    widget->setParent(nullptr);
    waiting_.append(widget);
    if (waiting_.size() == 1)
        QTimer::singleShot(0, this, &RetiredWidgets::deleteOne);
}

void RetiredWidgets::deleteOne()
{
    if (waiting_.isEmpty())
        return;
    delete waiting_.takeFirst().data();
    if (!waiting_.isEmpty())
        QTimer::singleShot(0, this, &RetiredWidgets::deleteOne);
}

} // namespace korvalde::gui
