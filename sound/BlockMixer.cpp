// Writes one stretch of output: a single contributor is copied, several are summed around silence and clipped.
#include "sound/BlockMixer.h"

#include <algorithm>
#include <cstring>

namespace sound {

void mixStretch(std::uint8_t* out, const std::uint8_t* const* src, int count, std::size_t n) {
    if (count <= 0) {
        std::memset(out, kSilence, n);
        return;
    }
    if (count == 1) {
        std::memcpy(out, src[0], n);
        return;
    }
    // Sums go through a small 16-bit buffer a chunk at a time so that each loop is a plain vector add.
    constexpr std::size_t kChunk = 512;
    std::int16_t acc[kChunk];
    const std::int16_t bias = static_cast<std::int16_t>(kSilence * (count - 1));
    for (std::size_t base = 0; base < n; base += kChunk) {
        const std::size_t len = std::min(kChunk, n - base);
        const std::uint8_t* first = src[0] + base;
        for (std::size_t i = 0; i < len; ++i) acc[i] = static_cast<std::int16_t>(first[i] - bias);
        for (int j = 1; j < count; ++j) {
            const std::uint8_t* s = src[j] + base;
            for (std::size_t i = 0; i < len; ++i) acc[i] = static_cast<std::int16_t>(acc[i] + s[i]);
        }
        std::uint8_t* o = out + base;
        for (std::size_t i = 0; i < len; ++i)
            o[i] = static_cast<std::uint8_t>(std::clamp<std::int16_t>(acc[i], 0, 255));
    }
}

}  // namespace sound
