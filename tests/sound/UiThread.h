// A stand-in for the window's event thread: outputs ring its doorbell from their threads, and the test thread
// answers it as the event loop would.
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>

#include "base/Doorbell.h"

namespace soundtest {

class UiThread {
  public:
    base::Doorbell& bell() { return bell_; }
    // Answers the doorbell on the calling thread until ms have passed or done() holds.
    void runFor(
        int ms, const std::function<bool()>& done = [] { return false; }) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!done()) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now())
                    .count();
            if (left <= 0) return;
            bell_.waitAnswering(static_cast<int>(std::min<long long>(left, 1)));
        }
    }

  private:
    base::Doorbell bell_;
};

}  // namespace soundtest
