// A stand-in for a window's event thread: outputs ring its doorbell from their threads, and the thread that
// calls runUntil answers it, one notice at a time.
#pragma once

#include <algorithm>
#include <chrono>

#include "base/Doorbell.h"

namespace soundbench {

class UiLoop {
  public:
    using Clock = std::chrono::steady_clock;

    base::Doorbell& bell() { return bell_; }

    // Answers the doorbell as it rings until the time `until`.
    void runUntil(Clock::time_point until) {
        for (;;) {
            const auto left =
                std::chrono::duration_cast<std::chrono::microseconds>(until - Clock::now()).count();
            if (left <= 0) return;
            bell_.waitAnswering(static_cast<int>(std::max<long long>(1, left / 1000)));
        }
    }

  private:
    base::Doorbell bell_;
};

}  // namespace soundbench
