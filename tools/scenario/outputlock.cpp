#include "outputlock.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace korvalde::scenario {

namespace {

bool lock(int descriptor, int how)
{
    int result = 0;
    do
        result = ::flock(descriptor, how);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

} // namespace

OutputLock::OutputLock(const QString &folder, const std::function<void()> &waiting)
{
    descriptor_ = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor_ < 0)
        return;
    if (lock(descriptor_, LOCK_EX | LOCK_NB))
        return;
    if (errno == EWOULDBLOCK) {
        waiting();
        if (lock(descriptor_, LOCK_EX))
            return;
    }
    ::close(descriptor_);
    descriptor_ = -1;
}

OutputLock::~OutputLock()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

} // namespace korvalde::scenario
