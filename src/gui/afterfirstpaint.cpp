#include "afterfirstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

namespace korvalde::gui {

namespace {

// Watches the window and everything in it for the first paint, then queues the work
// behind it and goes.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget &window, std::function<void()> work)
        : QObject(&window), window_(window), work_(std::move(work))
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint && !queued_ && widget != nullptr &&
            (widget == &window_ || window_.isAncestorOf(widget))) {
            queued_ = true;
            QCoreApplication::instance()->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    work_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget &window_;
    std::function<void()> work_;
    bool queued_ = false;
};

} // namespace

void afterFirstPaint(QWidget &window, std::function<void()> work)
{
    // The window's children paint too, and may be the first to: the filter sits on the
    // application, which sees them all.
    QCoreApplication::instance()->installEventFilter(new FirstPaintWatch(window, std::move(work)));
}

} // namespace korvalde::gui
