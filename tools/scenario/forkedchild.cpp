#include "forkedchild.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace korvalde::scenario {

ForkedChild::~ForkedChild()
{
    if (output_ >= 0)
        ::close(output_);
}

bool ForkedChild::start(const std::function<int()> &body, const std::vector<int> &inherited)
{
    int pipe[2];
    if (::pipe(pipe) != 0)
        return false;
    // What is still buffered here would otherwise be written twice, once by each process.
    std::fflush(nullptr);
    pid_ = ::fork();
    if (pid_ < 0) {
        ::close(pipe[0]);
        ::close(pipe[1]);
        return false;
    }
    if (pid_ == 0) {
        ::close(pipe[0]);
        for (const int descriptor : inherited)
            ::close(descriptor);
        ::dup2(pipe[1], STDOUT_FILENO);
        ::close(pipe[1]);
        if (const int null = ::open("/dev/null", O_WRONLY); null >= 0) {
            ::dup2(null, STDERR_FILENO);
            ::close(null);
        }
        const int status = body();
        std::fflush(nullptr);
        // The copy shares the parent's state of its other children and files: it leaves
        // without running anything of the parent's on its way out.
        ::_exit(status);
    }
    ::close(pipe[1]);
    output_ = pipe[0];
    ::fcntl(output_, F_SETFL, ::fcntl(output_, F_GETFL) | O_NONBLOCK);
    return true;
}

qsizetype ForkedChild::readOutput(QByteArray &into)
{
    qsizetype total = 0;
    char buffer[4096];
    while (output_ >= 0) {
        const ssize_t count = ::read(output_, buffer, sizeof buffer);
        if (count > 0) {
            into.append(buffer, count);
            total += count;
        } else if (count < 0 && errno == EINTR) {
            continue;
        } else {
            if (count == 0) { // the copy has closed its end: it has ended
                ::close(output_);
                output_ = -1;
            }
            break;
        }
    }
    return total;
}

std::optional<bool> ForkedChild::reap()
{
    if (!ended_ && pid_ > 0) {
        int status = 0;
        const pid_t found = ::waitpid(pid_, &status, WNOHANG);
        if (found == pid_ || (found < 0 && errno != EINTR))
            ended_ = found == pid_ && WIFEXITED(status);
    }
    return ended_;
}

void ForkedChild::kill()
{
    if (ended_ || pid_ <= 0)
        return;
    ::kill(pid_, SIGKILL);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    ended_ = false;
}

} // namespace korvalde::scenario
