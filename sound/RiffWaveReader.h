// Finds the format and data chunks of a RIFF WAVE image and reads them, failing with the loader's messages.
#pragma once

#include <cstdint>
#include <vector>

#include "sound/ByteSource.h"
#include "sound/WaveFormat.h"

namespace sound {

struct RiffWave {
    WaveFormat format;
    std::vector<std::uint8_t> data;  // the data chunk as stored
};

class RiffWaveReader {
  public:
    // A data chunk above this is refused with the memory message rather than read.
    static constexpr std::uint64_t kMaxDataBytes = 64ull * 1024 * 1024;

    // Throws EMixerError with the message of the first check that fails.
    static RiffWave read(const ByteSource& source);
};

}  // namespace sound
