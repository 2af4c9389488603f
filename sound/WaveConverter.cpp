// Converts PCM samples once, at load time, to the session's output format: bits, then channels, then rate.
#include "sound/WaveConverter.h"

#include <algorithm>
#include <new>

#include "sound/MixerError.h"
#include "sound/MixerMessages.h"

namespace sound {
namespace {

constexpr int kSilence8 = 128;

// Samples are ints here: 8-bit data is unsigned 0..255, 16-bit data signed little-endian.
int sampleAt(const std::uint8_t* p, int bits) {
    if (bits == 8) return *p;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | p[1] << 8));
}

void storeSample(std::uint8_t* p, int bits, int value) {
    if (bits == 8) {
        *p = static_cast<std::uint8_t>(value);
        return;
    }
    const auto u = static_cast<std::uint16_t>(value);
    p[0] = static_cast<std::uint8_t>(u & 0xFF);
    p[1] = static_cast<std::uint8_t>(u >> 8);
}

// The level a sample stands for (silence is 0), and back.
int level(int sample, int bits) {
    return bits == 8 ? sample - kSilence8 : sample;
}
int fromLevel(int value, int bits) {
    return bits == 8 ? value + kSilence8 : value;
}

std::vector<std::uint8_t> allocate(std::uint64_t bytes) {
    if (bytes > WaveConverter::kMaxOutputBytes) throw EMixerError(msg::kNoMemory);
    try {
        return std::vector<std::uint8_t>(static_cast<std::size_t>(bytes));
    } catch (const std::bad_alloc&) {
        throw EMixerError(msg::kNoMemory);
    }
}

bool readable(const WaveFormat& f) {
    return (f.bitsPerSample == 8 || f.bitsPerSample == 16) && (f.channels == 1 || f.channels == 2) &&
           f.samplesPerSec > 0 && f.blockAlign == f.channels * f.bitsPerSample / 8;
}

}  // namespace

std::vector<std::uint8_t> WaveConverter::convert(std::vector<std::uint8_t> data, const WaveFormat& from,
                                                 const WaveFormat& to) {
    if (!readable(from)) throw EMixerError(msg::kFormatNotSupported);
    if (from.channels != to.channels || from.samplesPerSec != to.samplesPerSec ||
        from.bitsPerSample != to.bitsPerSample) {
        if (from.bitsPerSample != to.bitsPerSample)
            data = convertBits(data, from.channels, from.bitsPerSample, to.bitsPerSample);
        if (from.channels != to.channels)
            data = convertChannels(data, to.bitsPerSample, from.channels, to.channels);
        if (from.samplesPerSec != to.samplesPerSec)
            data = convertRate(data, to.bitsPerSample, to.channels, from.samplesPerSec, to.samplesPerSec);
    }
    if (data.empty()) throw EMixerError(msg::kConvertFailed);
    return data;
}

std::vector<std::uint8_t> WaveConverter::convertBits(const std::vector<std::uint8_t>& data, int channels,
                                                     int fromBits, int toBits) {
    if ((fromBits != 8 && fromBits != 16) || (toBits != 8 && toBits != 16))
        throw EMixerError(msg::kFormatNotSupported);
    const std::size_t inWidth = static_cast<std::size_t>(fromBits / 8),
                      outWidth = static_cast<std::size_t>(toBits / 8);
    const std::size_t frames = data.size() / (inWidth * channels);
    const std::size_t samples = frames * channels;
    std::vector<std::uint8_t> out = allocate(std::uint64_t{samples} * outWidth);
    for (std::size_t i = 0; i < samples; ++i) {
        const int s = sampleAt(data.data() + i * inWidth, fromBits);
        // 16 to 8 keeps the high byte with its top bit turned over: floor(s / 256) + 128. 8 to 16 is (u -
        // 128) * 256.
        const int converted = fromBits == toBits ? s
                              : fromBits == 16   ? (s >> 8) + kSilence8
                                                 : (s - kSilence8) * 256;
        storeSample(out.data() + i * outWidth, toBits, converted);
    }
    return out;
}

std::vector<std::uint8_t> WaveConverter::convertChannels(const std::vector<std::uint8_t>& data, int bits,
                                                         int fromChannels, int toChannels) {
    const std::size_t width = static_cast<std::size_t>(bits / 8);
    const std::size_t frames = data.size() / (width * fromChannels);
    std::vector<std::uint8_t> out = allocate(std::uint64_t{frames} * width * toChannels);
    for (std::size_t f = 0; f < frames; ++f) {
        const std::uint8_t* in = data.data() + f * width * fromChannels;
        std::uint8_t* o = out.data() + f * width * toChannels;
        if (fromChannels == 1) {
            // Mono to stereo: the same sample left and right.
            for (int c = 0; c < toChannels; ++c) std::copy(in, in + width, o + c * width);
        } else {
            // Stereo to mono: (left + right) div 2, truncating towards zero.
            storeSample(o, bits, (sampleAt(in, bits) + sampleAt(in + width, bits)) / 2);
        }
    }
    return out;
}

std::vector<std::uint8_t> WaveConverter::convertRate(const std::vector<std::uint8_t>& data, int bits,
                                                     int channels, std::uint32_t fromRate,
                                                     std::uint32_t toRate) {
    const std::size_t width = static_cast<std::size_t>(bits / 8);
    const std::size_t frameBytes = width * channels;
    const std::size_t frames = data.size() / frameBytes;
    const auto at = [&](std::size_t frame, int c) {
        return sampleAt(data.data() + frame * frameBytes + c * width, bits);
    };

    if (fromRate < toRate) {
        // Each frame is followed by n - 1 frames stepping linearly towards the next; the last frame is held n
        // times.
        const std::size_t n = toRate / fromRate;
        std::vector<std::uint8_t> out = allocate(std::uint64_t{frames} * n * frameBytes);
        for (std::size_t f = 0; f < frames; ++f) {
            const std::size_t nextFrame = f + 1 < frames ? f + 1 : f;
            for (int c = 0; c < channels; ++c) {
                const int here = at(f, c);
                const int step = (at(nextFrame, c) - here) / static_cast<int>(n);
                for (std::size_t k = 0; k < n; ++k)
                    storeSample(out.data() + (f * n + k) * frameBytes + c * width, bits,
                                here + step * static_cast<int>(k));
            }
        }
        return out;
    }
    // Each group of m frames becomes its average; the last output frame is the next input frame as it stands.
    const std::size_t m = (std::uint64_t{fromRate} + toRate / 2) / toRate;
    const std::size_t outFrames = frames / m;
    std::vector<std::uint8_t> out = allocate(std::uint64_t{outFrames} * frameBytes);
    for (std::size_t g = 0; g < outFrames; ++g) {
        for (int c = 0; c < channels; ++c) {
            int value = at(g * m, c);
            if (g + 1 < outFrames) {
                long sum = 0;
                for (std::size_t k = 0; k < m; ++k) sum += level(at(g * m + k, c), bits);
                value = fromLevel(static_cast<int>(sum / static_cast<long>(m)), bits);
            }
            storeSample(out.data() + g * frameBytes + c * width, bits, value);
        }
    }
    return out;
}

}  // namespace sound
