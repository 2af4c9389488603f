// libFuzzer target: RIFF WAVE images built from the input (see StructuredWav.h), read from memory and
// converted to every output format a mixer session can have. Checks the length of each result against the
// frame arithmetic of the three steps, and that every failure is one of the loader's own.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "StructuredWav.h"
#include "sound/ByteSource.h"
#include "sound/MixerError.h"
#include "sound/MixerMessages.h"
#include "sound/RiffWaveReader.h"
#include "sound/WaveConverter.h"

namespace {

using namespace sound;

// The byte counts after each step (bits, channels, rate), for data whose format the converter reads.
struct Lengths {
    std::uint64_t bits, channels, rate;
};

Lengths expected(std::size_t bytes, const WaveFormat& from, const WaveFormat& to) {
    const std::uint64_t frames = bytes / from.blockAlign;
    const std::uint64_t width = to.bitsPerSample / 8;
    std::uint64_t outFrames = frames;
    if (from.samplesPerSec < to.samplesPerSec)
        outFrames = frames * (to.samplesPerSec / from.samplesPerSec);
    else if (from.samplesPerSec > to.samplesPerSec)
        outFrames = frames / ((std::uint64_t{from.samplesPerSec} + to.samplesPerSec / 2) / to.samplesPerSec);
    return {frames * from.channels * width, frames * to.channels * width, outFrames * to.channels * width};
}

bool readable(const WaveFormat& f) {
    return (f.bitsPerSample == 8 || f.bitsPerSample == 16) && (f.channels == 1 || f.channels == 2) &&
           f.samplesPerSec > 0 && f.blockAlign == f.channels * f.bitsPerSample / 8;
}

void check(const RiffWave& wave, const WaveFormat& out) {
    const bool same = wave.format.channels == out.channels &&
                      wave.format.samplesPerSec == out.samplesPerSec &&
                      wave.format.bitsPerSample == out.bitsPerSample;
    try {
        const std::vector<std::uint8_t> converted = WaveConverter::convert(wave.data, wave.format, out);
        if (!readable(wave.format) || converted.empty()) __builtin_trap();
        if (same) {
            // Nothing to do: the data as stored.
            if (converted != wave.data) __builtin_trap();
        } else if (converted.size() != expected(wave.data.size(), wave.format, out).rate) {
            __builtin_trap();
        }
    } catch (const EMixerError& e) {
        const std::string m = e.what();
        if (!readable(wave.format)) {
            if (m != msg::kFormatNotSupported) __builtin_trap();
            return;
        }
        const Lengths l = expected(wave.data.size(), wave.format, out);
        const bool tooBig =
            !same && (l.bits > WaveConverter::kMaxOutputBytes ||
                      l.channels > WaveConverter::kMaxOutputBytes || l.rate > WaveConverter::kMaxOutputBytes);
        if (m == msg::kNoMemory ? !tooBig
                                : m != msg::kConvertFailed || (same ? !wave.data.empty() : l.rate != 0))
            __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const WaveFormat kOutputs[] = {WaveFormat::pcm8(11025, 1), WaveFormat::pcm8(22050, 1),
                                          WaveFormat::pcm8(44100, 1), WaveFormat::pcm8(11025, 2),
                                          WaveFormat::pcm8(22050, 2), WaveFormat::pcm8(44100, 2)};
    FuzzedDataProvider in(data, size);
    const std::vector<std::uint8_t> image = fuzzwav::buildImage(in);
    RiffWave wave;
    try {
        wave = RiffWaveReader::read(MemoryByteSource(image));
    } catch (const EMixerError&) {
        return 0;
    }
    if (wave.data.empty()) __builtin_trap();  // an empty data chunk must have been refused
    for (const WaveFormat& out : kOutputs) check(wave, out);
    return 0;
}
