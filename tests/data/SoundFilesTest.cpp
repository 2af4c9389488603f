// The sound effects of dat/: valid RIFF WAVE PCM files that the game's loader reads and converts,
// short, faded in and out, and at a sensible level.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>

#include "sound/ByteSource.h"
#include "sound/RiffWaveReader.h"
#include "sound/WaveConverter.h"
#include "tests/data/GameFolder.h"

namespace {

// Every sound file the programs play.
const char* const kSounds[] = {"1.wav",   "2.wav",  "3.wav",  "5.wav",  "6.wav",    "7.wav",  "8.wav",
                               "9.wav",   "10.wav", "11.wav", "12.wav", "13.wav",   "14.wav", "15.wav",
                               "at1.wav", "b.wav",  "b2.wav", "h.wav",  "katan.wav"};

constexpr double kShortest = 0.04, kLongest = 0.85;  // seconds
constexpr double kEdgeLevel = 0.05;                  // first and last frame: near silence (fades)
constexpr double kQuietest = 0.2, kLoudest = 0.95;   // peak level, full scale = 1

std::uint32_t le(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(b[at + i]);
    return v;
}

struct Parsed {
    int channels = 0, rate = 0, bits = 0;
    std::string data;
};

// A strict reading of the layout: RIFF size, a 16-byte PCM fmt chunk, a data chunk inside the file.
Parsed parseStrictly(const std::string& b) {
    Parsed p;
    EXPECT_GE(b.size(), 44u);
    if (b.size() < 44) return p;
    EXPECT_EQ(b.substr(0, 4), "RIFF");
    EXPECT_EQ(le(b, 4, 4) + 8, b.size()) << "RIFF size";
    EXPECT_EQ(b.substr(8, 4), "WAVE");
    std::size_t at = 12;
    bool haveFormat = false;
    while (at + 8 <= b.size()) {
        const std::string id = b.substr(at, 4);
        const std::uint32_t size = le(b, at + 4, 4);
        EXPECT_LE(at + 8 + size, b.size()) << id << " chunk runs past the end";
        if (id == "fmt ") {
            EXPECT_EQ(size, 16u);
            EXPECT_EQ(le(b, at + 8, 2), 1u) << "PCM";
            p.channels = static_cast<int>(le(b, at + 10, 2));
            p.rate = static_cast<int>(le(b, at + 12, 4));
            p.bits = static_cast<int>(le(b, at + 22, 2));
            const std::uint32_t align = static_cast<std::uint32_t>(p.channels * p.bits / 8);
            EXPECT_EQ(le(b, at + 20, 2), align) << "block align";
            EXPECT_EQ(le(b, at + 16, 4), static_cast<std::uint32_t>(p.rate) * align) << "bytes per second";
            haveFormat = true;
        } else if (id == "data") {
            EXPECT_TRUE(haveFormat) << "format chunk before the data";
            p.data = b.substr(at + 8, std::min<std::size_t>(size, b.size() - at - 8));
        }
        at += 8 + size + (size & 1);
    }
    return p;
}

// Sample i of the first channel, full scale = 1.
double sample(const Parsed& p, std::size_t frame) {
    const std::size_t at = frame * static_cast<std::size_t>(p.channels * p.bits / 8);
    if (p.bits == 8) return (static_cast<std::uint8_t>(p.data[at]) - 128) / 128.0;
    return static_cast<std::int16_t>(le(p.data, at, 2)) / 32768.0;
}

class SoundFiles : public testing::TestWithParam<const char*> {
  protected:
    std::string path() const { return datatest::kDatDir + "/" + GetParam(); }
};

TEST_P(SoundFiles, HasAValidPcmLayout) {
    const Parsed p = parseStrictly(datatest::readBytes(path()));
    EXPECT_TRUE(p.channels == 1 || p.channels == 2);
    EXPECT_TRUE(p.bits == 8 || p.bits == 16);
    EXPECT_TRUE(p.rate == 11025 || p.rate == 22050 || p.rate == 44100);
    ASSERT_GT(p.channels * p.bits, 0);
    EXPECT_FALSE(p.data.empty());
    EXPECT_EQ(p.data.size() % static_cast<std::size_t>(p.channels * p.bits / 8), 0u);
}

TEST_P(SoundFiles, IsShortFadedAndAtASensibleLevel) {
    const Parsed p = parseStrictly(datatest::readBytes(path()));
    ASSERT_GT(p.channels * p.bits * p.rate, 0);
    const std::size_t frames = p.data.size() / static_cast<std::size_t>(p.channels * p.bits / 8);
    ASSERT_GT(frames, 0u);
    const double seconds = static_cast<double>(frames) / p.rate;
    EXPECT_GE(seconds, kShortest);
    EXPECT_LE(seconds, kLongest);
    EXPECT_LT(std::abs(sample(p, 0)), kEdgeLevel);
    EXPECT_LT(std::abs(sample(p, frames - 1)), kEdgeLevel);
    double peak = 0.0;
    for (std::size_t i = 0; i < frames; ++i) peak = std::max(peak, std::abs(sample(p, i)));
    EXPECT_GE(peak, kQuietest);
    EXPECT_LE(peak, kLoudest);
}

TEST_P(SoundFiles, LoadsAndConvertsThroughTheGamesWaveReader) {
    const auto source = sound::FileByteSource::open(path());
    ASSERT_TRUE(source);
    const sound::RiffWave wave = sound::RiffWaveReader::read(*source);
    const auto out = sound::WaveConverter::convert(wave.data, wave.format, sound::WaveFormat::pcm8(11025, 1));
    EXPECT_FALSE(out.empty());
}

INSTANTIATE_TEST_SUITE_P(Dat, SoundFiles, testing::ValuesIn(kSounds), [](const auto& info) {
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
});

TEST(SoundFormats, MostAreTheMixersOwnFormatAndSomeNeedConverting) {
    int native = 0;
    std::set<std::string> kinds;  // formats that make the loader convert
    for (const char* name : kSounds) {
        const Parsed p = parseStrictly(datatest::readBytes(datatest::kDatDir + "/" + name));
        if (p.bits == 8 && p.channels == 1 && p.rate == 11025) ++native;
        if (p.bits == 16) kinds.insert("16-bit");
        if (p.channels == 2) kinds.insert("stereo");
        if (p.rate != 11025) kinds.insert("other rate");
    }
    EXPECT_GT(native, static_cast<int>(std::size(kSounds)) / 2);
    EXPECT_EQ(kinds.size(), 3u);
}

TEST(SoundFormats, EverySoundIsItsOwn) {
    std::set<std::string> seen;
    for (const char* name : kSounds)
        EXPECT_TRUE(seen.insert(datatest::readBytes(datatest::kDatDir + "/" + name)).second) << name;
}

}  // namespace
