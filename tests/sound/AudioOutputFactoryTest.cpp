// The game's choice of output: ZORBAN_WAV_OUT wins; without it the device or, failing that, silence; never an error.
#include <gtest/gtest.h>

#include <cstdlib>

#include "SoundTestKit.h"
#include "UiQueue.h"
#include "sound/RiffWaveReader.h"
#include "sound/TSoundMixer.h"
#include "ui/sdl/AudioOutputFactory.h"

using namespace sound;

namespace {

// Creates and activates a game window's mixer on the output and plays one sound.
void playOneSound(AudioOutput& out, soundtest::UiQueue& ui, const soundtest::TempDir& dir) {
    MixEngine engine(out, dir.path("SOUNDMIX.INI"));
    TSoundMixer mixer(engine);
    mixer.SetActivated(true);
    mixer.SetChannels(3);
    dir.write("1.wav", soundtest::makeWav(1, 11025, 8, soundtest::filled(800, 160)));
    mixer.PlayWave(0, mixer.LoadWave(dir.path("1.wav")), nullptr, 0, 0);
    ui.runFor(2000, [&] { return mixer.session()->queues[0] == nullptr; });
    EXPECT_EQ(mixer.session()->queues[0], nullptr);
}

}  // namespace

TEST(AudioOutputFactory, WavOutVariableSelectsTheFileOutput) {
    soundtest::TempDir dir;
    const std::string path = dir.path("game.wav");
    ::setenv(ui::kWavOutVariable, path.c_str(), 1);
    soundtest::UiQueue ui;
    {
        const std::unique_ptr<AudioOutput> out = ui::makeAudioOutput(ui.poster());
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
    soundtest::UiQueue ui;
    const std::unique_ptr<AudioOutput> out = ui::makeAudioOutput(ui.poster());
    ASSERT_NE(out, nullptr);
    EXPECT_GE(out->deviceCount(), 1);
    playOneSound(*out, ui, dir);
}
