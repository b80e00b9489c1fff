#include "stopsignal.h"

#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace korvalde::web {

namespace {

// The handler may do next to nothing: it writes the signal's number to a socket the event
// loop watches.
int signalPipe[2] = {-1, -1};

extern "C" void onStopSignal(int number)
{
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

} // namespace

StopSignal::StopSignal(std::function<void()> stop) : stop_(std::move(stop))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(signalPipe[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        while (::read(signalPipe[1], &byte, 1) == 1) {
        }
        if (stopping_)
            std::_Exit(EXIT_FAILURE);
        stopping_ = true;
        stop_();
    });
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

StopSignal::~StopSignal()
{
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    notifier_.reset();
    for (int &end : signalPipe) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

} // namespace korvalde::web
