// Plays a feed into nothing at the clock's pace, on a thread of its own: the stand-in for a sound device that
// has gone away, so that blocks keep finishing on time and the game goes on silently.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

#include "sound/DeviceFeed.h"

namespace sound {

class PacedDrain {
  public:
    static constexpr int kStepMs = 5;  // about as often as a device asks for more

    PacedDrain(DeviceFeed& feed, std::uint32_t bytesPerSecond);  // starts playing at once
    ~PacedDrain();                                               // stops; the feed is free for another player
    PacedDrain(const PacedDrain&) = delete;
    PacedDrain& operator=(const PacedDrain&) = delete;

  private:
    void run();

    DeviceFeed& feed_;
    std::uint32_t rate_;
    std::atomic<bool> stop_{false};
    std::thread worker_;  // started last, joined first
};

}  // namespace sound
