// The player's master volume and mute, applied to each mixed block after the channels have been summed.
#include "sound/MasterVolume.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "sound/BlockMixer.h"

namespace sound {

void MasterVolume::set(int percent, bool muted) {
    percent_ = std::clamp(percent, 0, kFull);
    muted_ = muted;
    // Distance from silence, scaled and rounded to the nearest step (halves away from silence), so that a
    // sound fades symmetrically and never passes through silence to the other side.
    for (int b = 0; b < 256; ++b) {
        const int d = b - kSilence;
        const int scaled = (std::abs(d) * percent_ * 2 + kFull) / (2 * kFull);
        table_[static_cast<std::size_t>(b)] =
            static_cast<std::uint8_t>(kSilence + (d < 0 ? -scaled : scaled));
    }
}

void MasterVolume::apply(std::uint8_t* bytes, std::size_t n) const {
    if (unity()) return;
    if (muted_) {
        std::memset(bytes, kSilence, n);
        return;
    }
    for (std::size_t i = 0; i < n; ++i) bytes[i] = table_[bytes[i]];
}

}  // namespace sound
