// Loading waves through the engine from a file, a resource or memory, and the component that game windows
// use.
#include <gtest/gtest.h>

#include <functional>

#include "SoundTestKit.h"
#include "sound/MixerError.h"
#include "sound/MixerMessages.h"
#include "sound/TSoundMixer.h"
#include "sound/WaveModule.h"

using namespace sound;
using soundtest::Bytes;
using soundtest::errorOf;
using soundtest::makeWav;
using soundtest::MixRig;

TEST(MixLoad, FromAFileConvertedToTheSessionFormat) {
    MixRig rig;
    rig.dir.write("stereo.wav", makeWav(2, 22050, 16, Bytes(8000, 0)));
    MixWave* w = rig.engine->LoadMixWave(rig.session, rig.dir.path("stereo.wav"), nullptr, kWaveFromFile);
    EXPECT_EQ(w->length(), 1000u);
    EXPECT_EQ(w->fileFormat.samplesPerSec, 22050u);
    EXPECT_EQ(std::string(w->name.data()), rig.dir.path("stereo.wav").substr(0, 15));
}

TEST(MixLoad, SourcesFailWithTheirMessages) {
    MixRig rig;
    const std::string missing = rig.dir.path("none.wav");
    EXPECT_EQ(errorOf([&] { rig.engine->LoadMixWave(rig.session, missing, nullptr, kWaveFromFile); }),
              msg::kOpenWaveFile + missing);
    EXPECT_EQ(errorOf([&] { rig.engine->LoadMixWave(rig.session, rig.dir.dir(), nullptr, kWaveFromFile); }),
              msg::kOpenWaveFile + rig.dir.dir());
    WaveModule module;
    EXPECT_EQ(errorOf([&] { rig.engine->LoadMixWave(rig.session, "BOOM", &module, kWaveFromResource); }),
              std::string(msg::kOpenResource) + "BOOM");
    EXPECT_EQ(errorOf([&] { rig.engine->LoadMixWave(rig.session, "m", nullptr, kWaveFromMemory); }),
              "Failed to open memory file, mmioOpen error=259.#13May need to make sure memory is read-write");
    EXPECT_EQ(errorOf([&] { rig.engine->LoadMixWave(nullptr, "m", nullptr, kWaveFromFile); }),
              msg::kInvalidSession);
    EXPECT_EQ(rig.engine->loadedWaves(), 0u);
}

TEST(MixLoad, FromAResourceNamedByNumber) {
    MixRig rig;
    WaveModule module;
    module.add(std::uint16_t{12}, makeWav(1, 11025, 8, Bytes(5, 1)));
    MixWave* w = rig.engine->LoadMixWave(rig.session, "#12", &module, kWaveFromResource);
    EXPECT_STREQ(w->name.data(), "res#12");
    EXPECT_EQ(w->data, Bytes(5, 1));
}

TEST(SoundMixerComponent, ChannelsMaskOpensAndClosesChannels) {
    soundtest::TempDir dir;
    VirtualAudioOutput out;
    MixEngine engine(out, dir.path("SOUNDMIX.INI"));
    {
        TSoundMixer mixer(engine);
        mixer.SetActivated(true);
        mixer.SetChannels(3);
        EXPECT_TRUE(out.isOpen());
        MixSession& s = *mixer.session();
        EXPECT_EQ(s.openChannels, 2);
        mixer.SetChannels(5);  // closes 1, opens 2
        EXPECT_TRUE(s.isOpen(0) && !s.isOpen(1) && s.isOpen(2));
        mixer.SetChannels(255);
        EXPECT_EQ(s.openChannels, 8);
        mixer.SetChannels(0);
        EXPECT_EQ(s.openChannels, 0);
        mixer.SetChannels(3);
        dir.write("a.wav", makeWav(1, 11025, 8, Bytes(100, 200)));
        MixWave* w = mixer.LoadWave(dir.path("a.wav"));
        mixer.PlayWave(1, w, nullptr, 0, 0);
        EXPECT_EQ(s.queues[1]->wave, w);
        EXPECT_EQ(errorOf([&] { mixer.PlayWave(2, w, nullptr, 0, 0); }), msg::kChannelNotOpen);
        mixer.ReleaseWave(w);
        EXPECT_EQ(s.queues[1], nullptr);
    }
    EXPECT_FALSE(out.isOpen());
    EXPECT_EQ(engine.currentSession(), nullptr);
    TSoundMixer again(engine);  // the session of the destroyed component is gone
    EXPECT_NE(again.session(), nullptr);
}
