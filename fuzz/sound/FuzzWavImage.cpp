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

// Results between this and the converter's limit take long to make and add nothing: they are skipped.
constexpr std::uint64_t kLargestWorthMaking = 256u << 10;

bool slowButAllowed(std::uint64_t bytes) {
    return bytes > kLargestWorthMaking && bytes <= WaveConverter::kMaxOutputBytes;
}

void check(const RiffWave& wave, const WaveFormat& out) {
    const bool same = wave.format.channels == out.channels &&
                      wave.format.samplesPerSec == out.samplesPerSec &&
                      wave.format.bitsPerSample == out.bitsPerSample;
    if (readable(wave.format)) {
        const Lengths l = expected(wave.data.size(), wave.format, out);
        if (slowButAllowed(l.bits) || slowButAllowed(l.channels) || slowButAllowed(l.rate)) return;
    }
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

int sampleAt(const std::vector<std::uint8_t>& d, std::size_t i, int bits) {
    if (bits == 8) return d[i];
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(d[2 * i] | d[2 * i + 1] << 8));
}

// The rate step on its own, from data in bits and channels (its values are checked where they are plain).
void checkRate(const std::vector<std::uint8_t>& d, int bits, int channels, std::uint32_t from,
               std::uint32_t to) {
    const std::size_t frameBytes = static_cast<std::size_t>(bits / 8 * channels),
                      frames = d.size() / frameBytes;
    const std::uint64_t n = from < to ? to / from : 1;
    const std::uint64_t outFrames = from < to ? frames * n : frames / ((std::uint64_t{from} + to / 2) / to);
    if (slowButAllowed(outFrames * frameBytes)) return;
    std::vector<std::uint8_t> r;
    try {
        r = WaveConverter::convertRate(d, bits, channels, from, to);
    } catch (const EMixerError& e) {
        if (outFrames * frameBytes <= WaveConverter::kMaxOutputBytes ||
            std::string(e.what()) != msg::kNoMemory)
            __builtin_trap();
        return;
    }
    if (r.size() != outFrames * frameBytes) __builtin_trap();
    // Going up, each frame comes first in its group as it was.
    if (from < to)
        for (std::size_t f = 0; f < frames; ++f)
            for (int c = 0; c < channels; ++c)
                if (sampleAt(r, f * n * channels + c, bits) != sampleAt(d, f * channels + c, bits))
                    __builtin_trap();
}

// The three steps on their own, into 16 bits as well, which no mixer session asks for.
void checkSteps(const RiffWave& wave) {
    const WaveFormat& f = wave.format;
    if (f.channels != 1 && f.channels != 2) return;
    const bool bitsOk = f.bitsPerSample == 8 || f.bitsPerSample == 16;
    try {
        WaveConverter::convertBits(wave.data, f.channels, f.bitsPerSample, 24);
        __builtin_trap();
    } catch (const EMixerError& e) {
        if (std::string(e.what()) != msg::kFormatNotSupported) __builtin_trap();
    }
    for (const int toBits : {8, 16}) {
        std::vector<std::uint8_t> d;
        try {
            d = WaveConverter::convertBits(wave.data, f.channels, f.bitsPerSample, toBits);
        } catch (const EMixerError& e) {
            if (bitsOk || std::string(e.what()) != msg::kFormatNotSupported) __builtin_trap();
            return;
        }
        if (!bitsOk) __builtin_trap();
        const std::size_t frames = wave.data.size() / (f.bitsPerSample / 8 * f.channels);
        const std::size_t samples = frames * f.channels;
        if (d.size() != samples * (toBits / 8)) __builtin_trap();
        for (std::size_t i = 0; i < samples; ++i) {
            const int s = sampleAt(wave.data, i, f.bitsPerSample);
            // 16 to 8: floor(s / 256) + 128; 8 to 16: (u - 128) * 256.
            const int want = f.bitsPerSample == toBits ? s : toBits == 8 ? (s >> 8) + 128 : (s - 128) * 256;
            if (sampleAt(d, i, toBits) != want) __builtin_trap();
        }

        const int other = 3 - f.channels;
        const std::vector<std::uint8_t> c = WaveConverter::convertChannels(d, toBits, f.channels, other);
        if (c.size() != frames * other * (toBits / 8)) __builtin_trap();
        for (std::size_t k = 0; k < frames; ++k) {
            if (other == 2) {
                if (sampleAt(c, 2 * k, toBits) != sampleAt(d, k, toBits) ||
                    sampleAt(c, 2 * k + 1, toBits) != sampleAt(d, k, toBits))
                    __builtin_trap();
            } else if (sampleAt(c, k, toBits) !=
                       (sampleAt(d, 2 * k, toBits) + sampleAt(d, 2 * k + 1, toBits)) / 2) {
                __builtin_trap();
            }
        }
        if (f.samplesPerSec == 0) continue;
        for (const std::uint32_t to : {11025u, 44100u})
            if (to != f.samplesPerSec) checkRate(c, toBits, other, f.samplesPerSec, to);
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
    checkSteps(wave);
    return 0;
}
