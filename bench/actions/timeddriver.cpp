#include "timeddriver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QThread>

#include <algorithm>
#include <ctime>

namespace korvalde::bench {

class TimedDriver::PaintCounter : public QObject {
public:
    PaintCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~PaintCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    PaintCounter(const PaintCounter &) = delete;
    PaintCounter &operator=(const PaintCounter &) = delete;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }

    int count = 0;
};

TimedDriver::TimedDriver(std::unique_ptr<scenario::Driver> driver, bool untilIdle, std::vector<ActionTime> &times)
    : driver_(std::move(driver)), untilIdle_(untilIdle), times_(times), paints_(std::make_unique<PaintCounter>())
{
}

TimedDriver::~TimedDriver() = default;

namespace {

double processCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

// Long enough for the work a page leaves for idle time, short against a user's pause.
constexpr int kUserPauseMs = 60;

void TimedDriver::pauseAsTheUserDoes()
{
    // Each pass of the event loop handles what is due without waiting; the longest pass is
    // the work a click would have waited for.
    QElapsedTimer pause;
    pause.start();
    while (pause.elapsed() < kUserPauseMs) {
        QElapsedTimer pass;
        pass.start();
        const double cpuBefore = processCpuMilliseconds();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        // A program's own event loop deletes what was handed to deleteLater as soon as it
        // is back from the click; processEvents() called from here does not, so without
        // this the widgets of a scenario's program that has ended would be taken down
        // inside the next scenario's first action.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        longestIdleWork_ = std::max(longestIdleWork_, double(pass.nsecsElapsed()) / 1e6);
        longestIdleWorkCpu_ = std::max(longestIdleWorkCpu_, processCpuMilliseconds() - cpuBefore);
        QThread::msleep(1);
    }
}

QString TimedDriver::timed(const std::function<QString()> &action)
{
    if (untilIdle_)
        pauseAsTheUserDoes();
    const int paintsBefore = paints_->count;
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = processCpuMilliseconds();
    QString why = action();
    if (untilIdle_) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
    }
    const double milliseconds = double(clock.nsecsElapsed()) / 1e6;
    const double cpuMilliseconds = processCpuMilliseconds() - cpuBefore;
    if (why.isEmpty())
        times_.push_back({milliseconds, cpuMilliseconds, where_, paints_->count - paintsBefore});
    return why;
}

QString TimedDriver::click(const QString &window, const QString &control)
{
    return timed([&] { return driver_->click(window, control); });
}

QString TimedDriver::pick(const QString &window, const QString &control, const QString &entry)
{
    return timed([&] { return driver_->pick(window, control, entry); });
}

QString TimedDriver::type(const QString &window, const QString &control, const QString &text)
{
    return timed([&] { return driver_->type(window, control, text); });
}

QString TimedDriver::close(const QString &window)
{
    return timed([&] { return driver_->close(window); });
}

QString TimedDriver::save(const std::optional<QString> &path)
{
    return timed([&] { return driver_->save(path); });
}

QString TimedDriver::open(const std::optional<QString> &path)
{
    return timed([&] { return driver_->open(path); });
}

} // namespace korvalde::bench
