// The real monotonic clock.
#include "base/Clock.h"

#include <chrono>
#include <thread>

#include "base/Doorbell.h"

namespace base {

std::int64_t SystemClock::nowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::sleepMs(int ms) {
    if (ms <= 0) return;
    if (bell_ != nullptr)
        bell_->waitAnswering(ms);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace base
