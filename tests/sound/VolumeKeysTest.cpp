// The volume keys of a play window: steps, limits, mute, keys that belong to others, the remembered choice,
// and the volume reaching the game's recorded output.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "SoundTestKit.h"
#include "UiThread.h"
#include "app/GameAudio.h"
#include "app/VolumeKeys.h"
#include "sound/RiffWaveReader.h"
#include "ui/core/Form.h"
#include "ui/sdl/AudioOutputFactory.h"

using sound::MasterVolume;
using ui::KeyEvent;

namespace {

KeyEvent press(int key, bool ctrl = false, bool repeat = false) {
    KeyEvent e;
    e.key = key;
    e.ctrl = ctrl;
    e.autoRepeat = repeat;
    return e;
}

struct KeyRow {
    const char* name;
    std::vector<KeyEvent> keys;
    int percent;
    bool muted;
    bool lastTaken;
};
void PrintTo(const KeyRow& row, std::ostream* os) {
    *os << row.name;
}
class VolumeKeySequence : public testing::TestWithParam<KeyRow> {};

}  // namespace

TEST_P(VolumeKeySequence, ChangesTheVolumeAndRemembersIt) {
    const KeyRow& row = GetParam();
    base::Settings settings;
    MasterVolume volume;
    app::VolumeKeys keys(settings, &volume);
    bool taken = false;
    for (const KeyEvent& e : row.keys) taken = keys.key(e);
    EXPECT_EQ(taken, row.lastTaken);
    EXPECT_EQ(volume.percent(), row.percent);
    EXPECT_EQ(volume.muted(), row.muted);
    EXPECT_EQ(settings.get("Volume", MasterVolume::kFull), row.percent);
    EXPECT_EQ(settings.get("Mute", 0), row.muted ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, VolumeKeySequence,
    testing::Values(
        KeyRow{"Lower", {press('-'), press('-')}, 80, false, true},
        KeyRow{"RaiseStopsAtFull", {press('-'), press('+'), press('=')}, 100, false, true},
        KeyRow{"LowerStopsAtZero", std::vector<KeyEvent>(12, press('-')), 0, false, true},
        KeyRow{"Mute", {press('M')}, 100, true, true},
        KeyRow{"MuteTwice", {press('M'), press('M')}, 100, false, true},
        KeyRow{"HeldMuteKeyDoesNotFlicker", {press('M'), press('M', false, true)}, 100, true, true},
        KeyRow{"VolumeKeyEndsTheMute", {press('M'), press('-')}, 90, false, true},
        KeyRow{"CtrlKeysBelongToTheWindow", {press('-', true), press('+', true)}, 100, false, false},
        KeyRow{"OtherKeysPass", {press('P'), press('0')}, 100, false, false}),
    [](const testing::TestParamInfo<KeyRow>& info) { return std::string(info.param.name); });

TEST(VolumeKeys, TheRememberedChoiceIsAppliedAtStartAndKeptWithoutSound) {
    base::Settings settings;
    settings.set("Volume", 70);
    settings.set("Mute", 1);
    MasterVolume volume;
    app::VolumeKeys keys(settings, &volume);
    EXPECT_EQ(volume.percent(), 70);
    EXPECT_TRUE(volume.muted());

    settings.set("Volume", 250);  // a hand-edited file: held to the range
    app::VolumeKeys silent(settings, nullptr);
    EXPECT_EQ(silent.percent(), 100);
    EXPECT_TRUE(silent.key(press('-')));
    EXPECT_TRUE(silent.key(press('M')));
    EXPECT_EQ(settings.get("Volume", -1), 90);
    EXPECT_EQ(settings.get("Mute", -1), 1);
}

TEST(VolumeKeys, TheNoteTellsTheVolumeOrTheMute) {
    base::Settings settings;
    app::VolumeKeys keys(settings, nullptr);
    EXPECT_EQ(keys.note(), "音量 100%");
    keys.key(press('-'));
    keys.key(press('-'));
    keys.key(press('-'));
    EXPECT_EQ(keys.note(), "音量 70%");
    keys.key(press('M'));
    EXPECT_EQ(keys.note(), "ミュート");
    for (int i = 0; i < 12; ++i) keys.key(press('-'));
    EXPECT_EQ(keys.note(), "音量 0%");
}

TEST(VolumeKeys, TheGamesKeysReachItsRecordedOutput) {
    soundtest::TempDir dir;
    std::filesystem::create_directories(dir.path("dat"));
    dir.write("dat/SOUNDMIX.INI", std::string("[default]\nWaveBlockLen=512\n"));
    dir.write("dat/x.wav", soundtest::makeWav(1, 11025, 8, soundtest::filled(800, 228)));
    const std::string recording = dir.path("out.wav");
    ::setenv(ui::kWavOutVariable, recording.c_str(), 1);
    soundtest::UiThread uiThread;
    base::Settings settings;
    settings.set("Volume", 50);
    {
        app::GameAudio audio(uiThread.bell(), dir.dir() + "/");
        ui::Form form("Form1", 100, 100);
        audio.bindKeys(form, settings);
        // A key pressed before the device opens (behind the window's first frame) holds once it has.
        EXPECT_TRUE(form.keyDown(press('+')));
        EXPECT_EQ(form.lastNote(), "音量 60%");        // the player sees the new volume
        EXPECT_FALSE(form.keyDown(press('-', true)));  // Ctrl - scales the window
        audio.open();
        ::unsetenv(ui::kWavOutVariable);
        audio.play("x.wav", 0);
        uiThread.runFor(300);
    }
    EXPECT_EQ(settings.get("Volume", -1), 60);
    const sound::RiffWave file = sound::RiffWaveReader::read(*sound::FileByteSource::open(recording));
    ASSERT_GE(file.data.size(), 800u);
    EXPECT_EQ(soundtest::Bytes(file.data.begin(), file.data.begin() + 800), soundtest::filled(800, 128 + 60));
}
