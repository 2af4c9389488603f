// The lock file of a save folder.
#include "base/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace base {

InstanceLock::InstanceLock(const std::string& path) {
    // O_NOFOLLOW: a link planted at the lock's name is not followed to some other file.
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ < 0) return;
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        state_ = State::Held;
        return;
    }
    state_ = errno == EWOULDBLOCK ? State::Taken : State::Unusable;
    ::close(fd_);
    fd_ = -1;
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace base
