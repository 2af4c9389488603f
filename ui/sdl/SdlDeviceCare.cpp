// The sound device's helper thread.
#include "ui/sdl/SdlDeviceCare.h"

#include <sched.h>

#include <chrono>

namespace ui {

SdlDeviceCare::~SdlDeviceCare() {
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    changed_.notify_one();
    if (worker_.joinable()) worker_.join();
}

void SdlDeviceCare::setPlaying(bool playing) {
    {
        std::lock_guard lock(mutex_);
        if (playing_ == playing) return;
        playing_ = playing;
    }
    if (!worker_.joinable()) worker_ = std::thread([this] { run(); });
    changed_.notify_one();
}

void SdlDeviceCare::askRealtime(Sint64 tid) {
    {
        std::lock_guard lock(mutex_);
        tid_ = tid;
    }
    if (!worker_.joinable()) worker_ = std::thread([this] { run(); });
    changed_.notify_one();
}

void SdlDeviceCare::run() {
    std::unique_lock lock(mutex_);
    while (!ending_) {
        if (tid_ != 0) {
            const Sint64 tid = tid_;
            tid_ = 0;
            lock.unlock();
            // Real-time round robin at the level the desktop grants; SDL asks RealtimeKit when the process
            // may not set it itself. The answer may take a while: nothing waits for it.
            SDL_LinuxSetThreadPriorityAndPolicy(tid, SDL_THREAD_PRIORITY_TIME_CRITICAL, SCHED_RR);
            lock.lock();
            continue;
        }
        if (playing_) {
            if (!changed_.wait_for(lock, std::chrono::milliseconds(kLookMs),
                                   [this] { return ending_ || tid_ != 0 || !playing_; }))
                bell_.ring();
        } else {
            changed_.wait(lock, [this] { return ending_ || tid_ != 0 || playing_; });
        }
    }
    lock.unlock();
    SDL_TLSCleanup();  // what SDL kept for this thread (the text of its last error), as its own threads do
}

}  // namespace ui
