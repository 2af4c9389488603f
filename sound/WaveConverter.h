// Converts PCM samples once, at load time, to the session's output format: bits, then channels, then rate.
#pragma once

#include <cstdint>
#include <vector>

#include "sound/WaveFormat.h"

namespace sound {

class WaveConverter {
  public:
    // A converted wave larger than this is refused with the memory message (a very low rate would blow up
    // otherwise).
    static constexpr std::uint64_t kMaxOutputBytes = 64ull * 1024 * 1024;

    // Throws EMixerError: "File format not supported" for a format it cannot read, "Failed to convert wave
    // format" when nothing is left, the memory message when the result would be too large.
    static std::vector<std::uint8_t> convert(std::vector<std::uint8_t> data, const WaveFormat& from,
                                             const WaveFormat& to);

    // The single steps, each on data already in the previous step's format; lengths are cut to whole frames.
    static std::vector<std::uint8_t> convertBits(const std::vector<std::uint8_t>& data, int channels,
                                                 int fromBits, int toBits);
    static std::vector<std::uint8_t> convertChannels(const std::vector<std::uint8_t>& data, int bits,
                                                     int fromChannels, int toChannels);
    static std::vector<std::uint8_t> convertRate(const std::vector<std::uint8_t>& data, int bits,
                                                 int channels, std::uint32_t fromRate, std::uint32_t toRate);
};

}  // namespace sound
