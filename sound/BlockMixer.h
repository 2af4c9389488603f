// Writes one stretch of output: a single contributor is copied, several are summed around silence and
// clipped.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sound {

inline constexpr std::uint8_t kSilence = 128;  // the unsigned 8-bit zero level

// out[i] = 128 + sum(src[j][i] - 128), limited to 0..255; with no contributor, silence. count is at most 8.
void mixStretch(std::uint8_t* out, const std::uint8_t* const* src, int count, std::size_t n);

}  // namespace sound
