#include "guimodalwatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace korvalde::walk {

ModalWatch::ModalWatch()
{
    QCoreApplication::instance()->installEventFilter(this);
}

ModalWatch::~ModalWatch()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool ModalWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show || answering_ || !watched->isWidgetType())
        return false;
    auto *window = static_cast<QWidget *>(watched);
    if (!window->isWindow() || !window->isModal())
        return false;
    if (unanswered_.isEmpty())
        unanswered_ = window->windowTitle().isEmpty() ? QStringLiteral("(untitled)") : window->windowTitle();
    // Its own event loop runs the timer and ends with the close.
    QTimer::singleShot(0, window, [window] { window->close(); });
    return false;
}

} // namespace korvalde::walk
