#pragma once

#include "driver.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace korvalde::bench {

// One user action and how long the program took to answer it.
struct ActionTime {
    double milliseconds = 0;
    // The processor time the whole process spent meanwhile: what the action costs
    // whatever else the machine runs.
    double cpuMilliseconds = 0;
    QString where;  // "FILE:LINE"
    int paints = 0; // widgets painted while it ran
};

// Passes every user action on to the real driver and times it. With `untilIdle`, an
// action lasts until the widgets have handled every event it left behind, painting
// included, as a frame on screen would need; and before each action the user pauses a
// moment, in which the program's idle-time work runs, timed on its own.
class TimedDriver : public scenario::Driver {
public:
    TimedDriver(std::unique_ptr<scenario::Driver> driver, bool untilIdle, std::vector<ActionTime> &times);
    ~TimedDriver() override;

    // Where the next action comes from, for the report.
    void setWhere(const QString &where) { where_ = where; }
    // The longest stretch of idle-time work so far: how long a click that came in the
    // middle of it would have waited before its own work began.
    double longestIdleWork() const { return longestIdleWork_; }
    double longestIdleWorkCpu() const { return longestIdleWorkCpu_; }
    // The user's pause between two actions, taken before each; also wanted after the last.
    void pauseAsTheUserDoes();

    QString click(const QString &window, const QString &control) override;
    QString pick(const QString &window, const QString &control, const QString &entry) override;
    QString type(const QString &window, const QString &control, const QString &text) override;
    QString close(const QString &window) override;
    QString save(const std::optional<QString> &path) override;
    QString open(const std::optional<QString> &path) override;

    bool isKnownWindow(const QString &window) const override { return driver_->isKnownWindow(window); }
    bool isLoaded(const QString &window) const override { return driver_->isLoaded(window); }
    std::optional<ControlKind> controlKind(const QString &window, const QString &control) const override
    {
        return driver_->controlKind(window, control);
    }
    QString windowProperty(const QString &window, const QString &property) const override
    {
        return driver_->windowProperty(window, property);
    }
    QString controlProperty(const QString &window, const QString &control, const QString &property) const override
    {
        return driver_->controlProperty(window, control, property);
    }
    QStringList takeMessages() override { return driver_->takeMessages(); }
    bool hasEnded() const override { return driver_->hasEnded(); }
    QString openModalWindow() const override { return driver_->openModalWindow(); }
    QString takeScreenshot(const QString &path) override { return driver_->takeScreenshot(path); }

private:
    QString timed(const std::function<QString()> &action);

    std::unique_ptr<scenario::Driver> driver_;
    bool untilIdle_;
    std::vector<ActionTime> &times_;
    QString where_;
    double longestIdleWork_ = 0;
    double longestIdleWorkCpu_ = 0;
    class PaintCounter;
    std::unique_ptr<PaintCounter> paints_;
};

} // namespace korvalde::bench
