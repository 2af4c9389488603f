// playSound0/playSound1 as the game windows use them: loading from dat/, playing once, failing silently.
#include <gtest/gtest.h>

#include "SoundTestKit.h"
#include "sound/ChannelSounds.h"

using namespace sound;
using soundtest::Bytes;
using soundtest::makeWav;

namespace {

struct GameWindow {
    GameWindow() {
        mixer.SetActivated(true);
        mixer.SetChannels(3);
    }
    soundtest::TempDir dat;
    VirtualAudioOutput out;
    MixEngine engine{out, dat.path("SOUNDMIX.INI")};
    TSoundMixer mixer{engine};
};

}  // namespace

TEST(ChannelSounds, PreloadsOneWaveIntoEachSlotAndReleasesBothAtTheEnd) {
    GameWindow w;
    w.dat.write("1.wav", makeWav(1, 11025, 8, Bytes(50, 140)));
    {
        ChannelSounds sounds(w.mixer, w.dat.dir());
        ASSERT_NE(sounds.channelWave0(), nullptr);
        ASSERT_NE(sounds.channelWave1(), nullptr);
        EXPECT_NE(sounds.channelWave0(), sounds.channelWave1());
        EXPECT_EQ(w.out.writeCount(), 0u);  // nothing is played
        EXPECT_EQ(w.engine.loadedWaves(), 2u);
    }
    EXPECT_EQ(w.engine.loadedWaves(), 0u);
}

TEST(ChannelSounds, MissingFilesAreSilent) {
    GameWindow w;
    ChannelSounds sounds(w.mixer, w.dat.dir() + "/");
    EXPECT_EQ(sounds.channelWave0(), nullptr);
    sounds.playSound0("2.wav");
    sounds.play("7.wav", 1);
    EXPECT_EQ(w.out.writeCount(), 0u);
}

TEST(ChannelSounds, PlaysOnItsChannelAndLoadsAfreshEachTime) {
    GameWindow w;
    w.dat.write("7.wav", makeWav(1, 11025, 8, Bytes(3000, 200)));
    ChannelSounds sounds(w.mixer, w.dat.dir());
    sounds.play("7.wav", 1);
    MixWave* first = sounds.channelWave1();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(w.mixer.session()->queues[1]->wave, first);
    sounds.playSound1("7.wav");
    EXPECT_NE(sounds.channelWave1(), first);
    EXPECT_EQ(sounds.keptBack(), 1u);  // the first is still sounding: it is kept
    sounds.play("7.wav", 5);           // no such game channel: not heard
    w.out.advanceMs(3000);
    // The second play waits behind the two blocks rendered for the first: 0..3000, then 4096..7096.
    EXPECT_EQ(w.out.played().size(), 4u * 2048);
    EXPECT_EQ(w.out.played()[4095], 128);
    EXPECT_EQ(w.out.played()[4096], 200);
    sounds.playSound0("7.wav");  // the first is over now and goes
    EXPECT_EQ(sounds.keptBack(), 0u);
    EXPECT_EQ(w.engine.loadedWaves(), 2u);
}

TEST(ChannelSounds, ABadFileKeepsTheWaveBefore) {
    GameWindow w;
    w.dat.write("1.wav", makeWav(1, 11025, 8, Bytes(50, 140)));
    w.dat.write("bad.wav", makeWav(1, 11025, 24, Bytes(30, 0)));
    ChannelSounds sounds(w.mixer, w.dat.dir());
    MixWave* before = sounds.channelWave0();
    sounds.playSound0("bad.wav");
    EXPECT_EQ(sounds.channelWave0(), before);
    EXPECT_EQ(w.out.writeCount(), 0u);
}
