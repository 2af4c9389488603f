// Builds a RIFF WAVE image from fuzz input (see the header).
#include "StructuredWav.h"

#include <array>
#include <cstring>
#include <initializer_list>
#include <string_view>

namespace fuzzwav {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void putId(Bytes& b, std::string_view id) {
    b.insert(b.end(), id.begin(), id.end());
}
void set32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// One of the usual values, or now and then any value at all.
template <typename T>
T pick(FuzzedDataProvider& in, std::initializer_list<T> usual) {
    const std::size_t i = in.ConsumeIntegralInRange<std::size_t>(0, usual.size());
    return i < usual.size() ? usual.begin()[i] : in.ConsumeIntegral<T>();
}

// How a chunk's declared size relates to the bytes that follow it.
enum class SizeMode : std::uint8_t { Exact, Zero, Short, Over, Huge, Any, kMaxValue = Any };

// noise: input bytes drawn beforehand, so that the sizes can be chosen after the samples took the rest.
std::uint32_t declared(SizeMode mode, std::uint32_t actual, std::uint32_t noise) {
    switch (mode) {
        case SizeMode::Exact:
            return actual;
        case SizeMode::Zero:
            return 0;
        case SizeMode::Short:
            return actual > 0 ? noise % actual : 0;
        case SizeMode::Over:
            return actual + 1 + noise % 64;
        case SizeMode::Huge:
            return (noise & 1u) != 0 ? 0xFFFFFFFFu : 64u * 1024 * 1024 + 1;
        case SizeMode::Any:
            return noise;
    }
    return actual;
}

// A chunk the reader must step over: odd or even length, with or without its pad byte.
void otherChunk(FuzzedDataProvider& in, Bytes& b) {
    static constexpr std::array<std::string_view, 6> kIds{"LIST", "JUNK", "fact", "cue ", "data", "fmt "};
    // "data" and "fmt " out of place: a second data chunk, or a format chunk after the data.
    putId(b, kIds[in.ConsumeIntegralInRange<std::size_t>(0, kIds.size() - 1)]);
    const auto size = in.ConsumeIntegralInRange<std::uint32_t>(0, 9);
    put32(b, size);
    for (std::uint32_t i = 0; i < size; ++i) b.push_back(in.ConsumeIntegral<std::uint8_t>());
    if ((size & 1u) != 0 && in.ConsumeIntegralInRange<int>(0, 3) != 0) b.push_back(0);
}

void otherChunks(FuzzedDataProvider& in, Bytes& b) {
    const int n = in.ConsumeIntegralInRange<int>(0, 2);
    for (int i = 0; i < n; ++i) otherChunk(in, b);
}

}  // namespace

std::vector<std::uint8_t> buildImage(FuzzedDataProvider& in) {
    // The format record.
    const auto tag = pick<std::uint16_t>(in, {1, 1, 1, 1, 3, 0xFFFE});
    const auto channels = pick<std::uint16_t>(in, {1, 2, 1, 2, 0, 3});
    const auto rate =
        pick<std::uint32_t>(in, {11025, 22050, 44100, 8000, 48000, 5512, 88200, 1, 0, 11024, 33075});
    const auto bits = pick<std::uint16_t>(in, {8, 16, 8, 16, 24, 0, 4});
    const std::uint16_t align = in.ConsumeIntegralInRange<int>(0, 7) != 0
                                    ? static_cast<std::uint16_t>(std::uint32_t{channels} * bits / 8)
                                    : in.ConsumeIntegral<std::uint16_t>();
    const auto fmtSize = pick<std::uint32_t>(in, {16, 16, 16, 18, 14, 17, 40});
    const bool dataFirst = in.ConsumeIntegralInRange<int>(0, 15) == 0;
    const bool noFmt = in.ConsumeIntegralInRange<int>(0, 31) == 0;
    const bool noData = in.ConsumeIntegralInRange<int>(0, 31) == 0;
    const auto dataMode =
        in.ConsumeIntegralInRange<int>(0, 11) < 6 ? SizeMode::Exact : in.ConsumeEnum<SizeMode>();
    const auto riffMode =
        in.ConsumeIntegralInRange<int>(0, 7) < 5 ? SizeMode::Exact : in.ConsumeEnum<SizeMode>();
    const bool padData = in.ConsumeBool();
    const int topLevel = in.ConsumeIntegralInRange<int>(0, 15);  // what stands before the RIFF chunk
    const bool notWave = in.ConsumeIntegralInRange<int>(0, 31) == 0;
    const auto dataNoise = in.ConsumeIntegral<std::uint32_t>();
    const auto riffNoise = in.ConsumeIntegral<std::uint32_t>();

    Bytes fmt;
    putId(fmt, "fmt ");
    put32(fmt, fmtSize);
    put16(fmt, tag);
    put16(fmt, channels);
    put32(fmt, rate);
    put32(fmt, rate * align);
    put16(fmt, align);
    put16(fmt, bits);
    // A format chunk declared shorter than the record still holds the record's bytes, or stops early.
    const std::size_t fmtBytes = fmtSize >= 16 ? fmtSize : (in.ConsumeBool() ? 16 : fmtSize);
    fmt.resize(8 + std::min<std::size_t>(fmtBytes, 64), 0);
    if ((fmtSize & 1u) != 0 && fmtSize < 64) fmt.push_back(0);

    // The rest of the input is the samples, minus a few bytes the layout may still want.
    Bytes tail;
    const bool trailing = in.ConsumeIntegralInRange<int>(0, 7) == 0;
    if (trailing) otherChunk(in, tail);
    Bytes before, between;
    otherChunks(in, before);
    otherChunks(in, between);
    // Now and then the samples over and over: long waves (as for very low rates) from short inputs.
    const int repeat = in.ConsumeIntegralInRange<int>(0, 15) == 0 ? in.ConsumeIntegralInRange<int>(2, 64) : 1;
    const Bytes once = in.ConsumeRemainingBytes<std::uint8_t>();
    Bytes samples;
    for (int i = 0; i < repeat && samples.size() + once.size() <= 64 * 1024; ++i)
        samples.insert(samples.end(), once.begin(), once.end());

    Bytes data;
    putId(data, "data");
    put32(data, declared(dataMode, static_cast<std::uint32_t>(samples.size()), dataNoise));
    data.insert(data.end(), samples.begin(), samples.end());
    if (padData && (samples.size() & 1u) != 0) data.push_back(0);

    Bytes image;
    if (topLevel == 1) {
        // Another chunk at the top of the file first.
        putId(image, "JUNK");
        put32(image, 3);
        image.insert(image.end(), {1, 2, 3, 0});
    } else if (topLevel == 2) {
        // A RIFF chunk of another form type first.
        putId(image, "RIFF");
        put32(image, 8);
        putId(image, "AVI ");
        put32(image, 0);
    } else if (topLevel == 3) {
        // A RIFF chunk too small to hold its form type.
        putId(image, "RIFF");
        put32(image, 2);
        image.insert(image.end(), {'W', 'A'});
    }
    const std::size_t riffAt = image.size();
    putId(image, "RIFF");
    put32(image, 0);
    putId(image, notWave ? "WAVX" : "WAVE");
    image.insert(image.end(), before.begin(), before.end());
    if (dataFirst && !noData) image.insert(image.end(), data.begin(), data.end());
    if (!noFmt) image.insert(image.end(), fmt.begin(), fmt.end());
    image.insert(image.end(), between.begin(), between.end());
    if (!dataFirst && !noData) image.insert(image.end(), data.begin(), data.end());
    image.insert(image.end(), tail.begin(), tail.end());
    const auto riffBytes = static_cast<std::uint32_t>(image.size() - riffAt - 8);
    set32(image, riffAt + 4, declared(riffMode, riffBytes, riffNoise));
    return image;
}

}  // namespace fuzzwav
