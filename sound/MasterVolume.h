// The player's master volume and mute, applied to each mixed block after the channels have been summed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace sound {

class MasterVolume {
  public:
    static constexpr int kFull = 100;  // percent: the mixed bytes pass unchanged

    // percent is limited to 0..100. Takes effect from the next block rendered.
    void set(int percent, bool muted);
    int percent() const { return percent_; }
    bool muted() const { return muted_; }
    // True when apply() leaves the bytes as they are.
    bool unity() const { return percent_ == kFull && !muted_; }

    // Scales unsigned 8-bit samples around silence (128) in place; allocates nothing.
    void apply(std::uint8_t* bytes, std::size_t n) const;

  private:
    int percent_ = kFull;
    bool muted_ = false;
    std::array<std::uint8_t, 256> table_{};  // output byte of each input byte at percent_
};

}  // namespace sound
