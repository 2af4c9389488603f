// The stand-in player: every few milliseconds, the bytes that have become due are taken from the feed.
#include "sound/PacedDrain.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "sound/PlaybackPacer.h"

namespace sound {

PacedDrain::PacedDrain(DeviceFeed& feed, std::uint32_t bytesPerSecond)
    : feed_(feed), rate_(bytesPerSecond), worker_([this] { run(); }) {}

PacedDrain::~PacedDrain() {
    stop_.store(true, std::memory_order_release);
    worker_.join();
}

void PacedDrain::run() {
    using clock = std::chrono::steady_clock;
    const auto epoch = clock::now();
    const auto now = [&] {
        return static_cast<std::uint64_t>(
            std::chrono::duration_cast<std::chrono::microseconds>(clock::now() - epoch).count());
    };
    PlaybackPacer pacer;
    pacer.setRate(rate_);
    pacer.start(now());
    std::array<std::uint8_t, DeviceQueue::kSlotBytes> scratch{};
    while (!stop_.load(std::memory_order_acquire)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kStepMs));
        for (std::size_t due = pacer.due(now()); due > 0;) {
            const std::size_t n = std::min(due, scratch.size());
            feed_.fill(scratch.data(), n);
            due -= n;
        }
    }
}

}  // namespace sound
