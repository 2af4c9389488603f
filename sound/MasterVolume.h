// The player's master volume and mute, applied to each mixed block after the channels have been summed.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace sound {

class MasterVolume {
  public:
    static constexpr int kFull = 100;  // percent: the mixed bytes pass unchanged

    // Any thread: percent is limited to 0..100. Takes effect from the next block rendered.
    void set(int percent, bool muted);
    int percent() const { return static_cast<int>(setting() & kPercentBits); }
    bool muted() const { return (setting() & kMutedBit) != 0; }
    // True when apply() leaves the bytes as they are.
    bool unity() const { return setting() == kUnity; }

    // The thread that renders: scales unsigned 8-bit samples around silence (128) in place, at the latest
    // setting; allocates nothing and never waits.
    void apply(std::uint8_t* bytes, std::size_t n);

  private:
    static constexpr std::uint32_t kPercentBits = 0xff;
    static constexpr std::uint32_t kMutedBit = 0x100;
    static constexpr std::uint32_t kUnity = kFull;

    std::uint32_t setting() const { return setting_.load(std::memory_order_acquire); }
    void buildTable(std::uint32_t setting);

    std::atomic<std::uint32_t> setting_{kUnity};  // percent, and kMutedBit when muted
    std::uint32_t tableSetting_ = kUnity;         // the setting the table was built for
    std::array<std::uint8_t, 256> table_{};       // output byte of each input byte at that setting
};

}  // namespace sound
