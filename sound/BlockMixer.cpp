// Writes one stretch of output: a single contributor is copied, several are summed around silence and
// clipped.
#include "sound/BlockMixer.h"

#include <algorithm>
#include <cstring>

namespace sound {
namespace {

// Restrict-qualified so that the byte pointers are known not to alias the sums and the loops vectorise.
void start(std::int16_t* __restrict acc, const std::uint8_t* __restrict s, std::int16_t bias,
           std::size_t len) {
    for (std::size_t i = 0; i < len; ++i) acc[i] = static_cast<std::int16_t>(s[i] - bias);
}

void add(std::int16_t* __restrict acc, const std::uint8_t* __restrict s, std::size_t len) {
    for (std::size_t i = 0; i < len; ++i) acc[i] = static_cast<std::int16_t>(acc[i] + s[i]);
}

void clip(std::uint8_t* __restrict out, const std::int16_t* __restrict acc, std::size_t len) {
    for (std::size_t i = 0; i < len; ++i) {
        const std::int16_t v = acc[i];
        out[i] = static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
    }
}

}  // namespace

void mixStretch(std::uint8_t* out, const std::uint8_t* const* src, int count, std::size_t n) {
    if (count <= 0) {
        std::memset(out, kSilence, n);
        return;
    }
    if (count == 1) {
        std::memcpy(out, src[0], n);
        return;
    }
    // Sums go through a small 16-bit buffer a chunk at a time so that each pass is a plain vector add.
    constexpr std::size_t kChunk = 512;
    std::int16_t acc[kChunk];
    const auto bias = static_cast<std::int16_t>(kSilence * (count - 1));
    for (std::size_t base = 0; base < n; base += kChunk) {
        const std::size_t len = std::min(kChunk, n - base);
        start(acc, src[0] + base, bias, len);
        for (int j = 1; j < count; ++j) add(acc, src[j] + base, len);
        clip(out + base, acc, len);
    }
}

}  // namespace sound
