// The game's choice of output: ZORBAN_WAV_OUT wins; without it the device or, failing that, silence; never an
// error.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "SoundTestKit.h"
#include "UiThread.h"
#include "sound/RiffWaveReader.h"
#include "sound/TSoundMixer.h"
#include "ui/sdl/AudioOutputFactory.h"
#include "ui/sdl/SdlAudioOutput.h"

using namespace sound;

namespace {

// Creates and activates a game window's mixer on the output and plays one sound.
void playOneSound(AudioOutput& out, soundtest::UiThread& ui, const soundtest::TempDir& dir) {
    MixEngine engine(out, dir.path("SOUNDMIX.INI"));
    TSoundMixer mixer(engine);
    mixer.SetActivated(true);
    mixer.SetChannels(3);
    dir.write("1.wav", soundtest::makeWav(1, 11025, 8, soundtest::filled(800, 160)));
    MixWave* wave = mixer.LoadWave(dir.path("1.wav"));
    mixer.PlayWave(0, wave, nullptr, 0, 0);
    ui.runFor(2000, [&] { return !mixer.WaveInUse(wave); });
    EXPECT_FALSE(mixer.WaveInUse(wave));
}

}  // namespace

TEST(AudioOutputFactory, WavOutVariableSelectsTheFileOutput) {
    soundtest::TempDir dir;
    const std::string path = dir.path("game.wav");
    ::setenv(ui::kWavOutVariable, path.c_str(), 1);
    soundtest::UiThread ui;
    {
        const std::unique_ptr<AudioOutput> out = ui::makeAudioOutput(ui.bell());
        ::unsetenv(ui::kWavOutVariable);
        AudioCaps caps;
        ASSERT_TRUE(out->capabilities(kDefaultDevice, caps));
        EXPECT_EQ(caps.name, "WAV File Output");
        playOneSound(*out, ui, dir);
    }
    const RiffWave file = RiffWaveReader::read(*FileByteSource::open(path));
    EXPECT_EQ(file.data.size(), 2048u);  // one block of the default length
    EXPECT_EQ(file.data[0], 160);
}

TEST(AudioOutputFactory, WithoutTheVariableTheGameGetsAWorkingOutput) {
    ::unsetenv(ui::kWavOutVariable);
    soundtest::TempDir dir;
    dir.write("SOUNDMIX.INI", std::string("[default]\nSamplesPerSec=44\nWaveBlockLen=512\n"));
    soundtest::UiThread ui;
    const std::unique_ptr<AudioOutput> out = ui::makeAudioOutput(ui.bell());
    ASSERT_NE(out, nullptr);
    EXPECT_GE(out->deviceCount(), 1);
    playOneSound(*out, ui, dir);
}

TEST(SdlAudioOutput, PlaysThroughSdlsDiskDriverMixingOnItsThread) {
    soundtest::TempDir dir;
    const std::string raw = dir.path("sdl.raw");
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
    ::setenv("SDL_DISKAUDIODELAY", "5", 1);
    soundtest::UiThread ui;
    std::unique_ptr<ui::SdlAudioOutput> out = ui::SdlAudioOutput::create(ui.bell());
    ::unsetenv("SDL_AUDIODRIVER");
    if (!out) GTEST_SKIP() << "SDL has no disk audio driver here";
    playOneSound(*out, ui, dir);
    out.reset();  // closes the device and flushes the file
    std::ifstream in(raw, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The disk driver writes what the callback gave it: somewhere in there are the 800 bytes of the sound.
    EXPECT_NE(bytes.find(std::string(800, static_cast<char>(160))), std::string::npos);
}
