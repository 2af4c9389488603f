// The 16-byte PCM wave-format record: the format of a wave file and the output format of a mixer session.
#pragma once

#include <cstdint>

namespace sound {

inline constexpr std::uint16_t kFormatPcm = 1;  // format tag of plain PCM

struct WaveFormat {
    std::uint16_t formatTag = kFormatPcm;
    std::uint16_t channels = 1;            // 1 mono, 2 stereo (interleaved)
    std::uint32_t samplesPerSec = 11025;   // sample frames per second
    std::uint32_t avgBytesPerSec = 11025;  // samplesPerSec * blockAlign
    std::uint16_t blockAlign = 1;          // bytes per sample frame
    std::uint16_t bitsPerSample = 8;

    // Unsigned 8-bit PCM at the given rate and channel count, with the derived fields filled in.
    static WaveFormat pcm8(std::uint32_t rate, std::uint16_t channelCount) {
        WaveFormat f;
        f.channels = channelCount;
        f.samplesPerSec = rate;
        f.blockAlign = channelCount;
        f.avgBytesPerSec = rate * channelCount;
        return f;
    }
    friend bool operator==(const WaveFormat&, const WaveFormat&) = default;
};

}  // namespace sound
