#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace korvalde::web {

// Turns SIGTERM (systemd stopping the service) and SIGINT (Ctrl+C) into a call in the
// event loop, where the server can still say goodbye to every page. A second signal while
// the first is handled ends the program at once.
class StopSignal : public QObject {
public:
    explicit StopSignal(std::function<void()> stop);
    ~StopSignal() override;

private:
    std::function<void()> stop_;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool stopping_ = false;
};

} // namespace korvalde::web
