// Wave files made by the usual tools (sox, espeak-ng) load and convert as their formats say.
#include <gtest/gtest.h>

#include <cstdlib>

#include "SoundTestKit.h"
#include "sound/MixerError.h"
#include "sound/RiffWaveReader.h"

using namespace sound;
using soundtest::MixRig;

namespace {

bool haveTool(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

int run(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str());
}

struct SoxRow {
    const char* options;  // output options of sox
    std::uint16_t channels, bits;
    std::uint32_t rate;
    std::size_t expectedBytes;  // after conversion to 8-bit mono 11,025 of a one-second tone
};
class SoxWaves : public testing::TestWithParam<SoxRow> {};

}  // namespace

TEST_P(SoxWaves, LoadAndConvertToTheSessionFormat) {
    if (!haveTool("sox")) GTEST_SKIP() << "sox is not installed";
    const SoxRow row = GetParam();
    MixRig rig;
    const std::string path = rig.dir.path("tone.wav");
    ASSERT_EQ(run(std::string("sox -n ") + row.options + " '" + path + "' synth 1 sine 440 vol 0.5"), 0);
    MixWave* w = rig.engine->LoadMixWave(rig.session, path, nullptr, kWaveFromFile);
    EXPECT_EQ(w->fileFormat.channels, row.channels);
    EXPECT_EQ(w->fileFormat.bitsPerSample, row.bits);
    EXPECT_EQ(w->fileFormat.samplesPerSec, row.rate);
    EXPECT_EQ(w->length(), row.expectedBytes);
    // A half-scale sine stays well inside the 8-bit range around silence.
    const auto [lo, hi] = std::minmax_element(w->data.begin(), w->data.end());
    EXPECT_GE(*lo, 128 - 66);
    EXPECT_LE(*hi, 128 + 66);
    EXPECT_LT(*lo, 100);
    EXPECT_GT(*hi, 156);
}

INSTANTIATE_TEST_SUITE_P(Rows, SoxWaves,
                         testing::Values(SoxRow{"-r 22050 -c 2 -b 16 -e signed-integer", 2, 16, 22050, 11025},
                                         SoxRow{"-r 11025 -c 1 -b 8 -e unsigned-integer", 1, 8, 11025, 11025},
                                         SoxRow{"-r 44100 -c 1 -b 16 -e signed-integer", 1, 16, 44100, 11025},
                                         SoxRow{"-r 8000 -c 1 -b 8 -e unsigned-integer", 1, 8, 8000, 8000},
                                         SoxRow{"-r 5512 -c 2 -b 8 -e unsigned-integer", 2, 8, 5512, 11024}));

TEST(ToolWaves, SoxFloatAndTwentyFourBitFilesAreRefused) {
    if (!haveTool("sox")) GTEST_SKIP() << "sox is not installed";
    MixRig rig;
    const std::string floatPath = rig.dir.path("float.wav"), deepPath = rig.dir.path("deep.wav");
    ASSERT_EQ(run("sox -n -r 11025 -c 1 -e floating-point -b 32 '" + floatPath + "' synth 0.1 sine 440"), 0);
    ASSERT_EQ(run("sox -n -r 11025 -c 1 -b 24 '" + deepPath + "' synth 0.1 sine 440"), 0);
    // sox writes 32-bit float as an extensible or IEEE-float format record: either way not plain PCM.
    EXPECT_THROW(rig.engine->LoadMixWave(rig.session, floatPath, nullptr, kWaveFromFile), EMixerError);
    try {
        rig.engine->LoadMixWave(rig.session, deepPath, nullptr, kWaveFromFile);
        FAIL() << "no error";
    } catch (const EMixerError& e) {
        EXPECT_TRUE(std::string(e.what()) == "File format not supported" ||
                    std::string(e.what()) == "The file is not a PCM file")
            << e.what();
    }
}

TEST(ToolWaves, EspeakSpeechLoadsAndPlays) {
    if (!haveTool("espeak-ng")) GTEST_SKIP() << "espeak-ng is not installed";
    MixRig rig;
    rig.start();
    const std::string path = rig.dir.path("speech.wav");
    ASSERT_EQ(run("espeak-ng -w '" + path + "' 'clear'"), 0);
    const RiffWave raw = RiffWaveReader::read(*FileByteSource::open(path));
    MixWave* w = rig.engine->LoadMixWave(rig.session, path, nullptr, kWaveFromFile);
    EXPECT_EQ(raw.format.bitsPerSample, 16);
    EXPECT_EQ(raw.format.channels, 1);
    // espeak-ng speaks at 22,050 samples per second: 16-bit mono halves twice.
    const std::size_t frames = raw.data.size() / 2;
    const std::size_t m = (raw.format.samplesPerSec + 11025 / 2) / 11025;
    EXPECT_EQ(w->length(), frames / m);
    PlayParams p;
    p.session = rig.session;
    p.wave = w;
    rig.engine->PlayMixWave(&p);
    rig.out.advanceMs(3000);
    EXPECT_EQ(soundtest::Bytes(rig.out.played().begin(), rig.out.played().begin() + w->length()), w->data);
}
