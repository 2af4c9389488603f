// The clock-paced outputs: blocks are played in real time, announced on the "UI thread", and written to a WAV
// file.
#include <gtest/gtest.h>

#include "SoundTestKit.h"
#include "UiThread.h"
#include "sound/ClockedAudioOutput.h"
#include "sound/RiffWaveReader.h"
#include "sound/WavImage.h"

using namespace sound;
using soundtest::Bytes;
using soundtest::filled;
using soundtest::makeWav;

namespace {

// An engine on a clocked output, set up as a game window sets up its mixer.
struct ClockedRig {
    explicit ClockedRig(std::unique_ptr<ClockedAudioOutput> made) : out(std::move(made)) {
        dir.write("SOUNDMIX.INI", std::string("[default]\nWaveBlockLen=512\n"));
        engine = std::make_unique<MixEngine>(*out, dir.path("SOUNDMIX.INI"));
        session = engine->InitMixSession(nullptr);
        engine->ActivateMixSession(session, true);
        engine->OpenMixChannel(session, 2, kOpenCount);
    }
    void play(const Bytes& samples) {
        const Bytes image = makeWav(1, 11025, 8, samples);
        PlayParams p;
        p.session = session;
        p.wave = engine->LoadMixWave(session, "w", nullptr, kWaveFromMemory, image);
        engine->PlayMixWave(&p);
    }
    soundtest::TempDir dir;
    std::unique_ptr<ClockedAudioOutput> out;
    std::unique_ptr<MixEngine> engine;
    MixSession* session = nullptr;
};

}  // namespace

TEST(ClockedOutput, WavFileHoldsWhatWasPlayedAndIsValidWhileGrowing) {
    soundtest::TempDir files;
    const std::string path = files.path("out.wav");
    soundtest::UiThread ui;
    ClockedRig rig(ClockedAudioOutput::wavFile(ui.bell(), path));
    Bytes samples(1500);
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::uint8_t>(i * 7);
    rig.play(samples);  // 1,500 bytes: three blocks of 512, about 140 ms at 11,025 bytes per second

    bool checkedWhileGrowing = false;
    ui.runFor(2000, [&] {
        const auto now = FileByteSource::open(path);
        if (now && now->size() > kWavHeaderBytes && !checkedWhileGrowing) {
            EXPECT_NO_THROW(RiffWaveReader::read(*now));
            checkedWhileGrowing = true;
        }
        return rig.engine->blocksAtDevice() == 0 && rig.out->positionBytes() >= 1536;
    });
    ASSERT_TRUE(checkedWhileGrowing);
    const RiffWave file = RiffWaveReader::read(*FileByteSource::open(path));
    EXPECT_EQ(file.format, WaveFormat::pcm8(11025, 1));
    ASSERT_EQ(file.data.size(), 1536u);
    EXPECT_EQ(Bytes(file.data.begin(), file.data.begin() + 1500), samples);
    EXPECT_EQ(Bytes(file.data.begin() + 1500, file.data.end()), filled(36, 128));
}

TEST(ClockedOutput, SilentOutputKeepsTimeAndRetiresPlays) {
    soundtest::UiThread ui;
    ClockedRig rig(ClockedAudioOutput::silent(ui.bell()));
    rig.play(filled(1000, 200));
    const auto started = std::chrono::steady_clock::now();
    ui.runFor(2000, [&] { return rig.session->queues[0] == nullptr; });
    const auto took =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    EXPECT_EQ(rig.session->queues[0], nullptr);
    EXPECT_GE(took.count(), 80);  // 1,024 bytes at 11,025 bytes per second: 93 ms
    EXPECT_EQ(rig.out->positionBytes(), 1024u);
}
