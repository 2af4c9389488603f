// The session's format, block length and block count as SOUNDMIX.INI and the init record set them.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "SoundTestKit.h"

using namespace sound;
using soundtest::MixRig;

namespace {

struct SettingsRow {
    const char* ini;
    std::int32_t blockLength, blockCount;
    std::uint32_t rate;
};
class Settings : public testing::TestWithParam<SettingsRow> {};

}  // namespace

TEST_P(Settings, ComeFromTheFileWithinTheirLimits) {
    const SettingsRow row = GetParam();
    MixRig rig(row.ini);
    EXPECT_EQ(rig.session->blockLength, row.blockLength);
    EXPECT_EQ(rig.session->blockCount, row.blockCount);
    EXPECT_EQ(rig.session->format.samplesPerSec, row.rate);
    EXPECT_EQ(rig.session->format.avgBytesPerSec, row.rate);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Settings,
    testing::Values(
        SettingsRow{"", 2048, 3, 11025}, SettingsRow{"[default]\nWaveBlocks=10\n", 2048, 6, 11025},
        SettingsRow{"[default]\nWaveBlocks=1\n", 2048, 2, 11025},
        SettingsRow{"[default]\nWaveBlockLen=100\n", 512, 3, 11025},
        SettingsRow{"[default]\nWaveBlockLen=9999\n", 4096, 3, 11025},
        SettingsRow{"[default]\nWaveBlockLen=1003\n", 1000, 3, 11025},  // two low bits cleared
        SettingsRow{"[default]\nSamplesPerSec=44\n", 4096, 3, 44100},
        SettingsRow{"[default]\nSamplesPerSec=22\n", 4096, 3, 22050},
        SettingsRow{"[default]\nSamplesPerSec=48\n", 2048, 3, 11025},
        SettingsRow{"[default]\nSamplesPerSec=44\nWaveBlockLen=512\n", 512, 3, 44100},
        // The device's own section overrides; its block length keeps its low bits.
        SettingsRow{"[default]\nWaveBlocks=5\n[Virtual Output]\nWaveBlocks=2\nWaveBlockLen=1003\n", 1003, 2,
                    11025},
        SettingsRow{"[default]\nSamplesPerSec=44\n[virtual output]\nSamplesPerSec=22\n", 4096, 3, 22050}));

TEST(MixSettings, InitRecordAsksForStereoAndARate) {
    MixInitConfig config;
    config.flags = kConfigChannels | kConfigRate;
    config.channels = 2;
    config.rateCode = 22;
    MixRig rig("", &config);
    EXPECT_EQ(rig.session->format, WaveFormat::pcm8(22050, 2));

    config.size = 24;  // a record of the wrong size is ignored
    MixRig ignored("", &config);
    EXPECT_EQ(ignored.session->format, WaveFormat::pcm8(11025, 1));
}

TEST(MixSettings, StereoNeedsAStereoDevice) {
    soundtest::TempDir dir;
    dir.write("SOUNDMIX.INI", std::string("[Virtual Output]\nWaveBlockLen=1001\n"));
    VirtualAudioOutput monoOut;
    monoOut.caps.channels = 1;
    MixEngine mono(monoOut, dir.path("SOUNDMIX.INI"));
    MixInitConfig config;
    config.flags = kConfigChannels;
    config.channels = 2;
    EXPECT_EQ(mono.InitMixSession(&config)->format.channels, 1);

    VirtualAudioOutput stereoOut;
    MixEngine stereo(stereoOut, dir.path("SOUNDMIX.INI"));
    MixSession* s = stereo.InitMixSession(&config);
    EXPECT_EQ(s->format.channels, 2);
    EXPECT_EQ(s->blockLength, 1000);  // whole stereo frames only
}

TEST(MixSettings, DeviceNumberPastTheDevicesSelectsTheDefault) {
    MixRig rig("[general]\nWaveOutDevice=3\n");
    EXPECT_EQ(rig.session->deviceNumber, kDefaultDevice);
    MixRig first("[general]\nWaveOutDevice=0\n");
    EXPECT_EQ(first.session->deviceNumber, 0);
}

TEST(MixSettings, RemixAndPositionModes) {
    MixRig shift("[default]\nRemix=2\nGoodWavePos=1\n");
    EXPECT_EQ(shift.session->remix, RemixMode::Shift);
    EXPECT_EQ(shift.session->goodWavePos, 1);
    MixRig deviceOnly("[default]\nRemix=2\n[Virtual Output]\nRemix=1\nGoodWavePos=257\n");
    EXPECT_EQ(deviceOnly.session->remix, RemixMode::Rerender);
    EXPECT_EQ(deviceOnly.session->goodWavePos, 1);  // kept as an 8-bit value
}

TEST(MixSettings, ShippedFileKeepsOnsetUnderFiftyMilliseconds) {
    std::ifstream in(std::string(ZORBAN_SOUND_SOURCE_DIR) + "/SOUNDMIX.INI", std::ios::binary);
    ASSERT_TRUE(in);
    std::stringstream text;
    text << in.rdbuf();
    MixRig rig(text.str());
    EXPECT_EQ(rig.session->deviceNumber, kDefaultDevice);
    const double aheadMs =
        1000.0 * rig.session->blockCount * rig.session->blockLength / rig.session->format.avgBytesPerSec;
    EXPECT_LE(aheadMs, 50.0);
    EXPECT_GE(rig.session->blockCount, 3);  // two blocks stay queued while the next is rendered
}
