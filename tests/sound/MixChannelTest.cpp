// Failures of the session engine: each check and its message, in the order the callers rely on.
#include <gtest/gtest.h>

#include <functional>

#include "SoundTestKit.h"
#include "sound/MixerError.h"
#include "sound/MixerMessages.h"

using namespace sound;
using soundtest::errorOf;
using soundtest::filled;
using soundtest::MixRig;

TEST(MixChannels, PlayChecksComeInOrder) {
    MixRig rig;
    MixWave* w = rig.wave(filled(10, 1));
    PlayParams p;
    EXPECT_EQ(errorOf([&] { rig.engine->PlayMixWave(nullptr); }), msg::kNilParams);
    EXPECT_EQ(errorOf([&] { rig.engine->PlayMixWave(&p); }), msg::kInvalidSession);
    p.session = rig.session;
    EXPECT_EQ(errorOf([&] { rig.engine->PlayMixWave(&p); }), msg::kNilWave);  // before the inactive session
    p.wave = w;
    EXPECT_EQ(errorOf([&] { rig.engine->PlayMixWave(&p); }), msg::kNotActive);
    rig.engine->ActivateMixSession(rig.session, true);
    EXPECT_EQ(errorOf([&] { rig.engine->PlayMixWave(&p); }), msg::kNoChannelOpen);
}

TEST(MixChannels, GameWindowChannelsRefuseChannelTwo) {
    MixRig rig;
    rig.start(3);
    MixWave* w = rig.wave(filled(10, 1));
    EXPECT_EQ(errorOf([&] { rig.play(2, w); }), msg::kChannelNotOpen);
    EXPECT_EQ(errorOf([&] { rig.play(8, w); }), msg::kChannelNotOpen);
    EXPECT_EQ(errorOf([&] { rig.play(-1, w); }), msg::kChannelNotOpen);
    EXPECT_EQ(rig.session->lastUse[2], 1);  // the stamp is taken before the channel is found closed
    EXPECT_EQ(errorOf([&] { rig.play(1, w); }), "(no error)");
}

struct OpenRow {
    int channel, mode;
    const char* message;
};
class OpenErrors : public testing::TestWithParam<OpenRow> {};

TEST_P(OpenErrors, HaveTheirMessages) {
    MixRig rig;
    rig.engine->OpenMixChannel(rig.session, 3, kOpenOne);
    EXPECT_EQ(errorOf([&] { rig.engine->OpenMixChannel(rig.session, GetParam().channel, GetParam().mode); }),
              GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Rows, OpenErrors,
                         testing::Values(OpenRow{0, 3, msg::kInvalidFlags}, OpenRow{0, -1, msg::kInvalidFlag},
                                         OpenRow{8, 0, msg::kInvalidChannel},
                                         OpenRow{-1, 0, msg::kInvalidChannel},
                                         OpenRow{9, 2, msg::kInvalidChannelCount},
                                         OpenRow{0, 2, msg::kInvalidChannelCount},
                                         OpenRow{3, 0, msg::kChannelAlreadyOpen}, OpenRow{8, 2, "(no error)"},
                                         OpenRow{0, 1, "(no error)"}));

TEST(MixChannels, OpenModesCountChannels) {
    MixRig rig;
    rig.engine->OpenMixChannel(rig.session, 1, kOpenOne);
    rig.engine->OpenMixChannel(rig.session, 3, kOpenCount);  // 0..2, skipping 1
    EXPECT_EQ(rig.session->openChannels, 3);
    rig.engine->OpenMixChannel(rig.session, 0, kOpenAll);
    EXPECT_EQ(rig.session->openChannels, 8);
    rig.engine->CloseMixChannel(rig.session, 5, 0);
    EXPECT_EQ(rig.session->openChannels, 7);
    EXPECT_EQ(errorOf([&] { rig.engine->CloseMixChannel(rig.session, 5, 0); }), msg::kChannelNotOpen);
    EXPECT_EQ(errorOf([&] { rig.engine->FlushMixChannel(rig.session, 8, 0); }), msg::kInvalidChannel);
    rig.engine->CloseMixChannel(rig.session, 0, kMixAllChannels);
    EXPECT_EQ(rig.session->openChannels, 0);
}

TEST(MixChannels, PoolOfAHundredPlays) {
    MixRig rig;
    rig.start(1);
    MixWave* w = rig.wave(filled(10, 1));
    for (int i = 0; i < kPlayEntryPool; ++i) rig.play(0, w, PlayWait);
    EXPECT_EQ(errorOf([&] { rig.play(0, w, PlayWait); }), msg::kPoolEmpty);
    rig.engine->ReleaseMixWave(rig.session, w);  // waiting plays of the wave go back too
    EXPECT_EQ(rig.engine->freeEntries(), kPlayEntryPool);
}

TEST(MixChannels, WavesAreReleasedOnce) {
    MixRig rig;
    MixWave* w = rig.wave(filled(10, 1));
    EXPECT_EQ(errorOf([&] { rig.engine->ReleaseMixWave(rig.session, nullptr); }), msg::kInvalidPointer);
    rig.engine->ReleaseMixWave(rig.session, w);
    EXPECT_EQ(errorOf([&] { rig.engine->ReleaseMixWave(rig.session, w); }), msg::kInvalidPointer);
}

TEST(MixChannels, SessionLifecycle) {
    MixRig rig;
    EXPECT_EQ(errorOf([&] { rig.engine->InitMixSession(nullptr); }), msg::kSessionExists);
    rig.start();
    EXPECT_EQ(rig.engine->deviceOwner(), rig.session);
    rig.engine->ActivateMixSession(rig.session, true);  // the owner again: nothing happens
    EXPECT_TRUE(rig.out.isOpen());
    MixSession* old = rig.session;
    rig.engine->EndMixSession(old);
    EXPECT_FALSE(rig.out.isOpen());
    EXPECT_EQ(rig.engine->deviceOwner(), nullptr);
    EXPECT_EQ(errorOf([&] { rig.engine->OpenMixChannel(old, 0, kOpenOne); }), msg::kInvalidSession);
    EXPECT_NE(rig.engine->InitMixSession(nullptr), nullptr);  // a new session can be made
}

TEST(MixChannels, DeviceFailuresHaveTheirMessages) {
    {
        MixRig rig;
        rig.out.openError = 5;
        EXPECT_EQ(errorOf([&] { rig.engine->ActivateMixSession(rig.session, true); }),
                  std::string(msg::kOpenDevice) + "5");
        EXPECT_EQ(rig.engine->deviceOwner(), nullptr);
        rig.out.openError = 0;
        rig.engine->ActivateMixSession(rig.session, true);  // a later try succeeds
        EXPECT_TRUE(rig.out.isOpen());
    }
    {
        MixRig rig;
        rig.out.prepareError = 11;
        rig.out.prepareFailAt = 2;
        EXPECT_EQ(errorOf([&] { rig.engine->ActivateMixSession(rig.session, true); }),
                  std::string(msg::kPrepareHeader) + "11");
        EXPECT_FALSE(rig.out.isOpen());
    }
    {
        MixRig rig;
        rig.start();
        MixWave* w = rig.wave(filled(10, 1));
        rig.out.writeError = 3;
        EXPECT_EQ(errorOf([&] { rig.play(0, w); }), msg::kWriteBlock);
        EXPECT_EQ(rig.engine->blocksAtDevice(), 0);
        rig.out.writeError = 0;
        rig.play(0, w);
        EXPECT_EQ(rig.engine->blocksAtDevice(), 1);
    }
    {
        MixRig rig;
        rig.start();
        rig.out.formatSupported = false;
        EXPECT_EQ(errorOf([&] { rig.wave(filled(10, 1)); }), msg::kCantPlayFormat);
    }
}

TEST(MixChannels, InitFailuresHaveTheirMessages) {
    soundtest::TempDir dir;
    const auto initError = [&](VirtualAudioOutput& out, const std::string& ini) {
        dir.write("SOUNDMIX.INI", ini);
        MixEngine engine(out, dir.path("SOUNDMIX.INI"));
        return errorOf([&] { engine.InitMixSession(nullptr); });
    };
    VirtualAudioOutput none;
    none.devices = 0;
    EXPECT_EQ(initError(none, ""), msg::kNoDevices);
    VirtualAudioOutput blocking;
    blocking.caps.synchronous = true;
    EXPECT_EQ(initError(blocking, ""),
              "Virtual Output is a syncronous (blocking) wave output device.  This will not permit audio to "
              "play while "
              "other applications are running");
    VirtualAudioOutput listed;
    EXPECT_EQ(initError(listed, "[not compatible]\nVirtual Output=1\n"),
              "Virtual Output is not compatible with the realtime sound mixer");
    EXPECT_EQ(initError(listed, "[not compatible]\nVirtual Output=0\n"), "(no error)");
    VirtualAudioOutput mute;
    mute.capsFail = true;
    EXPECT_EQ(initError(mute, "[not compatible]\nUnknown Device=1\n"),
              "Unknown Device is not compatible with the realtime sound mixer");
}
