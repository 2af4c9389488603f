// libFuzzer target: any bytes as a RIFF WAVE image, read and converted to each output format the mixer uses.
#include <cstddef>
#include <cstdint>
#include <span>

#include "sound/ByteSource.h"
#include "sound/MixerError.h"
#include "sound/RiffWaveReader.h"
#include "sound/WaveConverter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sound;
    static const WaveFormat kOutputs[] = {WaveFormat::pcm8(11025, 1), WaveFormat::pcm8(22050, 2),
                                          WaveFormat::pcm8(44100, 1)};
    try {
        const RiffWave wave =
            RiffWaveReader::read(MemoryByteSource(std::span<const std::uint8_t>(data, size)));
        for (const WaveFormat& out : kOutputs) {
            try {
                const std::vector<std::uint8_t> converted =
                    WaveConverter::convert(wave.data, wave.format, out);
                if (converted.empty()) __builtin_trap();  // an empty result must have been refused
            } catch (const EMixerError&) {
            }
        }
    } catch (const EMixerError&) {
    }
    return 0;
}
