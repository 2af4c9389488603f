// Conversion to the output format: bits, channels and rate, with their rounding rules and lengths.
#include <gtest/gtest.h>

#include <ostream>

#include "SoundTestKit.h"
#include "sound/MixerError.h"
#include "sound/MixerMessages.h"
#include "sound/WaveConverter.h"

using namespace sound;
using soundtest::Bytes;
using soundtest::pcm16;

TEST(WaveConverter, SixteenToEightKeepsTheHighByteWithItsTopBitTurned) {
    const Bytes out = WaveConverter::convertBits(pcm16({-1, 256, 0, -32768, 32767, -256, 255}), 1, 16, 8);
    EXPECT_EQ(out, (Bytes{127, 129, 128, 0, 255, 127, 128}));
}

TEST(WaveConverter, EightToSixteen) {
    EXPECT_EQ(WaveConverter::convertBits(Bytes{128, 0, 255}, 1, 8, 16), pcm16({0, -32768, 127 * 256}));
}

TEST(WaveConverter, ChannelsRepeatOrAverage) {
    EXPECT_EQ(WaveConverter::convertChannels(Bytes{10, 200}, 8, 1, 2), (Bytes{10, 10, 200, 200}));
    EXPECT_EQ(WaveConverter::convertChannels(Bytes{10, 201, 0, 255, 7}, 8, 2, 1),
              (Bytes{105, 127}));  // odd byte cut
    EXPECT_EQ(WaveConverter::convertChannels(pcm16({-3, 0, 5, 2}), 16, 2, 1),
              pcm16({-1, 3}));  // div truncates to 0
}

TEST(WaveConverter, UpsamplingStepsTowardsTheNextFrame) {
    // 5,512 into 11,025: n = 2; 11,025 into 44,100: n = 4; the last frame is held.
    EXPECT_EQ(WaveConverter::convertRate(Bytes{100, 110, 50}, 8, 1, 5512, 11025),
              (Bytes{100, 105, 110, 80, 50, 50}));
    EXPECT_EQ(WaveConverter::convertRate(Bytes{100, 90}, 8, 1, 11025, 44100),
              (Bytes{100, 98, 96, 94, 90, 90, 90, 90}));  // (90 - 100) div 4 = -2
    EXPECT_EQ(WaveConverter::convertRate(Bytes{10, 20, 30, 40}, 8, 2, 11025, 22050),
              (Bytes{10, 20, 20, 30, 30, 40, 30, 40}));
}

TEST(WaveConverter, NearRatesPlayUnchanged) {
    const Bytes b{1, 2, 3, 4, 5};
    EXPECT_EQ(WaveConverter::convertRate(b, 8, 1, 8000, 11025), b);   // n = 1
    EXPECT_EQ(WaveConverter::convertRate(b, 8, 1, 12000, 11025), b);  // m = 1
}

TEST(WaveConverter, DownsamplingAveragesGroupsButCopiesTheLastFrame) {
    // m = 2: 128 + (-28 + -17) div 2 = 106, 128 + (-8 + 3) div 2 = 126; the last output frame is input
    // frame 4.
    EXPECT_EQ(WaveConverter::convertRate(Bytes{100, 111, 120, 131, 140, 150, 9}, 8, 1, 22050, 11025),
              (Bytes{106, 126, 140}));
    // Average below silence truncates towards silence: 128 + (-3 + -2) div 2 = 126.
    EXPECT_EQ(WaveConverter::convertRate(Bytes{125, 126, 0, 0}, 8, 1, 22050, 11025), (Bytes{126, 0}));
    // 44,100 into 11,025: m = 4.
    EXPECT_EQ(WaveConverter::convertRate(Bytes{0, 4, 8, 12, 50, 60, 70, 80}, 8, 1, 44100, 11025),
              (Bytes{6, 50}));
}

TEST(WaveConverter, SixteenBitStereo22kBecomesAnEighthOfItsLength) {
    std::vector<std::int16_t> samples;
    for (int i = 0; i < 4000; ++i) samples.push_back(static_cast<std::int16_t>(i * 16 - 32000));
    const Bytes in = pcm16(samples);  // 2,000 frames, 8,000 bytes
    WaveFormat from;
    from.channels = 2;
    from.samplesPerSec = 22050;
    from.bitsPerSample = 16;
    from.blockAlign = 4;
    from.avgBytesPerSec = 88200;
    const Bytes out = WaveConverter::convert(in, from, WaveFormat::pcm8(11025, 1));
    EXPECT_EQ(out.size(), in.size() / 8);
    // Frame 0 is (-32000, -31984): high bytes 5 and 5 (after turning the top bit) average to 5; frame 1
    // likewise.
    EXPECT_EQ(out[0], ((-32000 >> 8) + 128 + (-31984 >> 8) + 128) / 2);
}

TEST(WaveConverter, LengthsAreCutToWholeFramesAtEveryStep) {
    WaveFormat from = WaveFormat::pcm8(22050, 2);
    from.bitsPerSample = 16;
    from.blockAlign = 4;
    // 4 frames and 3 stray bytes: 16 to 8 keeps 4 frames, stereo to mono 4 samples, 2:1 gives 2.
    EXPECT_EQ(WaveConverter::convert(Bytes(19, 0), from, WaveFormat::pcm8(11025, 1)).size(), 2u);
}

struct BadFormatRow {
    std::uint16_t channels, bits, align;
    std::uint32_t rate;
    std::size_t bytes;
    const char* message;
};
// Names the row in the test list by its format, not by its bytes.
void PrintTo(const BadFormatRow& row, std::ostream* out) {
    *out << row.channels << "ch-" << row.bits << "bit-align" << row.align << "-" << row.rate << "Hz-"
         << row.bytes << "bytes";
}
class BadFormats : public testing::TestWithParam<BadFormatRow> {};

TEST_P(BadFormats, AreRefused) {
    const BadFormatRow row = GetParam();
    WaveFormat from;
    from.channels = row.channels;
    from.bitsPerSample = row.bits;
    from.blockAlign = row.align;
    from.samplesPerSec = row.rate;
    try {
        WaveConverter::convert(Bytes(row.bytes, 128), from, WaveFormat::pcm8(11025, 1));
        FAIL() << "no error";
    } catch (const EMixerError& e) {
        EXPECT_STREQ(e.what(), row.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadFormats,
    testing::Values(BadFormatRow{1, 24, 3, 11025, 30, msg::kFormatNotSupported},
                    BadFormatRow{0, 8, 0, 11025, 30, msg::kFormatNotSupported},
                    BadFormatRow{3, 8, 3, 11025, 30, msg::kFormatNotSupported},
                    BadFormatRow{1, 8, 1, 0, 30, msg::kFormatNotSupported},
                    BadFormatRow{1, 8, 0, 11025, 30, msg::kFormatNotSupported},
                    BadFormatRow{2, 16, 4, 11025, 3, msg::kConvertFailed},  // less than one frame
                    BadFormatRow{1, 8, 1, 4000000000u, 30,
                                 msg::kConvertFailed},                  // fewer frames than one group
                    BadFormatRow{1, 8, 1, 1, 30000, msg::kNoMemory}));  // would grow 11,025-fold
