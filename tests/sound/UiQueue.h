// A stand-in for the UI thread's event queue: outputs post notices from their threads, the test thread runs them.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "sound/AudioOutput.h"

namespace soundtest {

class UiQueue {
public:
    sound::PostFn poster() {
        return [this](std::function<void()> f) {
            {
                std::lock_guard lock(mutex_);
                queue_.push_back(std::move(f));
            }
            ready_.notify_one();
        };
    }
    // Runs posted functions on the calling thread until ms have passed or done() holds.
    void runFor(int ms, const std::function<bool()>& done = [] { return false; }) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        std::unique_lock lock(mutex_);
        while (!done()) {
            if (queue_.empty() && !ready_.wait_until(lock, end, [this] { return !queue_.empty(); })) return;
            std::function<void()> f = std::move(queue_.front());
            queue_.pop_front();
            lock.unlock();
            f();
            lock.lock();
        }
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<std::function<void()>> queue_;
};

}  // namespace soundtest
