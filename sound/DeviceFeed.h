// What an output's device thread plays from: the queued blocks, a pause, and the doorbell that tells the UI
// thread that blocks have been played out. fill() is the whole work of the device's thread: it takes no lock,
// allocates nothing and calls nothing of the window system.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>

#include "base/Doorbell.h"
#include "sound/DeviceQueue.h"

namespace sound {

class DeviceFeed {
  public:
    static constexpr std::uint8_t kSilence = 128;

    // bell may be null: finished blocks are then only collected when deliver() is called.
    explicit DeviceFeed(base::Doorbell* bell) : bell_(bell) {}

    DeviceQueue& queue() { return queue_; }
    const DeviceQueue& queue() const { return queue_; }

    // UI thread: what runs once per finished block (nothing after close).
    void setBlockDone(std::function<void()> blockDone) { blockDone_ = std::move(blockDone); }
    // UI thread: marks the finished blocks done and runs the block-done function for each.
    void deliver() {
        const int finished = queue_.collectFinished();
        for (int i = 0; i < finished && blockDone_; ++i) blockDone_();
    }
    // UI thread: while paused the device plays silence and keeps its blocks.
    void setPaused(bool paused) { paused_.store(paused, std::memory_order_release); }
    bool paused() const { return paused_.load(std::memory_order_acquire); }

    // Device thread: n bytes for the device, silence where no block is left; rings when a block ran out.
    void fill(std::uint8_t* out, std::size_t n) noexcept {
        const std::size_t got = paused() ? 0 : queue_.consume(out, n);
        if (got < n) std::memset(out + got, kSilence, n - got);
        tell();
    }
    // Device thread: rings the bell when blocks have been played out.
    void tell() noexcept {
        if (bell_ != nullptr && queue_.hasFinished()) bell_->ring();
    }

  private:
    DeviceQueue queue_;
    base::Doorbell* bell_;
    std::atomic<bool> paused_{false};
    std::function<void()> blockDone_;  // UI thread only
};

}  // namespace sound
