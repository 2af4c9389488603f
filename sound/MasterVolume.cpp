// The player's master volume and mute, applied to each mixed block after the channels have been summed.
#include "sound/MasterVolume.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "sound/BlockMixer.h"

namespace sound {

void MasterVolume::set(int percent, bool muted) {
    const auto clamped = static_cast<std::uint32_t>(std::clamp(percent, 0, kFull));
    setting_.store(clamped | (muted ? kMutedBit : 0), std::memory_order_release);
}

void MasterVolume::buildTable(std::uint32_t setting) {
    // Distance from silence, scaled and rounded to the nearest step (halves away from silence), so that a
    // sound fades symmetrically and never passes through silence to the other side.
    const int percent = static_cast<int>(setting & kPercentBits);
    for (int b = 0; b < 256; ++b) {
        const int d = b - kSilence;
        const int scaled = (std::abs(d) * percent * 2 + kFull) / (2 * kFull);
        table_[static_cast<std::size_t>(b)] =
            static_cast<std::uint8_t>(kSilence + (d < 0 ? -scaled : scaled));
    }
    tableSetting_ = setting;
}

void MasterVolume::apply(std::uint8_t* bytes, std::size_t n) {
    const std::uint32_t now = setting();
    if (now == kUnity) return;
    if ((now & kMutedBit) != 0) {
        std::memset(bytes, kSilence, n);
        return;
    }
    if (now != tableSetting_) buildTable(now);
    for (std::size_t i = 0; i < n; ++i) bytes[i] = table_[bytes[i]];
}

}  // namespace sound
