// A stand-in for a window's event thread: functions posted from any thread run on the thread that calls
// runUntil, one at a time, and the wait of each (post to run) is kept.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

#include "sound/AudioOutput.h"

namespace soundbench {

class UiLoop {
  public:
    using Clock = std::chrono::steady_clock;

    sound::PostFn poster() {
        return [this](std::function<void()> f) {
            {
                std::lock_guard lock(mutex_);
                queue_.push_back({Clock::now(), std::move(f)});
            }
            ready_.notify_one();
        };
    }

    // Runs posted functions as they come until the time `until`.
    void runUntil(Clock::time_point until) {
        std::unique_lock lock(mutex_);
        for (;;) {
            if (queue_.empty() && !ready_.wait_until(lock, until, [this] { return !queue_.empty(); })) return;
            Posted p = std::move(queue_.front());
            queue_.pop_front();
            lock.unlock();
            waitsUs_.push_back(
                std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - p.at).count());
            p.f();
            lock.lock();
        }
    }

    // Microseconds each posted function waited before it ran, in the order they ran.
    const std::vector<long long>& waitsUs() const { return waitsUs_; }

  private:
    struct Posted {
        Clock::time_point at;
        std::function<void()> f;
    };
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Posted> queue_;
    std::vector<long long> waitsUs_;  // UI thread only
};

}  // namespace soundbench
