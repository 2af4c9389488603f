// The doorbell over an eventfd: ring() writes at most once per answer, answer() reads it empty.
#include "base/Doorbell.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <thread>

namespace base {
namespace {
constexpr int kPollWithoutFdMs = 1;  // without an eventfd the pause looks at the bell this often
}

Doorbell::Doorbell() : fd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

Doorbell::~Doorbell() {
    if (fd_ >= 0) ::close(fd_);
}

void Doorbell::ring() noexcept {
    if (rung_.exchange(true, std::memory_order_acq_rel)) return;  // already waiting for its answer
    if (fd_ < 0) return;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(fd_, &one, sizeof one);
}

void Doorbell::drain() noexcept {
    if (fd_ < 0) return;
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t n = ::read(fd_, &count, sizeof count);
}

bool Doorbell::answer() {
    // Emptied before the flag is cleared: a ring after the clearing writes again and is not lost.
    drain();
    if (!rung_.exchange(false, std::memory_order_acq_rel)) return false;
    if (answer_) answer_();
    return true;
}

void Doorbell::waitAnswering(int ms) {
    using clock = std::chrono::steady_clock;
    if (ms <= 0) return;
    const auto end = clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        answer();
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(end - clock::now()).count();
        if (left <= 0) return;
        const int waitMs = static_cast<int>((left + 999) / 1000);
        if (fd_ < 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::min(waitMs, kPollWithoutFdMs)));
            continue;
        }
        pollfd p{fd_, POLLIN, 0};
        // A readable bell ends the wait early; the answer follows at the top of the loop.
        if (::poll(&p, 1, waitMs) < 0 && errno != EINTR)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

}  // namespace base
