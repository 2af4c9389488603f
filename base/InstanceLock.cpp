// The lock file of a save folder.
#include "base/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace base {
namespace {

constexpr std::chrono::milliseconds kRetry{10};  // between tries while another holder has the lock

}  // namespace

InstanceLock::InstanceLock(const std::string& path, int waitMs) {
    // O_NOFOLLOW: a link planted at the lock's name is not followed to some other file.
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ < 0) return;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            state_ = State::Held;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        state_ = State::Taken;
        if (std::chrono::steady_clock::now() >= until) break;
        std::this_thread::sleep_for(kRetry);
    }
    ::close(fd_);
    fd_ = -1;
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace base
