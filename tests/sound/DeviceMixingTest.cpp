// Mixing on the device's thread: the UI thread only posts its requests, the device stops when silence has
// gone on for a while and starts again with the next sound, and what is heard is what the mixer rendered.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "ThreadDevice.h"
#include "sound/ChannelSounds.h"

using namespace sound;
using soundtest::Bytes;

namespace {

Bytes ramp(std::size_t n, std::uint8_t first) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>(first + i % 97);
    return b;
}

long count(const std::vector<std::uint8_t>& heard, const Bytes& sound) {
    long n = 0;
    for (auto at = heard.begin();; ++at) {
        at = std::search(at, heard.end(), sound.begin(), sound.end());
        if (at == heard.end()) return n;
        ++n;
    }
}

struct Ends : MixNotifyTarget {
    void mixWaveDone(int, MixWave*) override {
        ++ended;
        onOtherThread += std::this_thread::get_id() != ui ? 1 : 0;
    }
    std::thread::id ui = std::this_thread::get_id();
    int ended = 0;
    int onOtherThread = 0;
};

}  // namespace

TEST(DeviceMixing, SilenceStopsTheDeviceAndTheNextSoundStartsItAgain) {
    soundtest::ThreadMixer m;
    EXPECT_EQ(m.out.starts(), 0);  // nothing sounds yet: no device
    const Bytes sound = ramp(3000, 20);
    MixWave* wave = m.wave("w", sound);
    for (int round = 1; round <= 2; ++round) {
        m.mixer.PlayWave(0, wave, nullptr, 0, 0);
        EXPECT_TRUE(m.out.mixing());
        EXPECT_TRUE(m.mixer.WaveInUse(wave));
        ASSERT_TRUE(m.runUntilStopped(3000)) << "round " << round;
        EXPECT_EQ(m.out.starts(), round);
        EXPECT_FALSE(m.mixer.WaveInUse(wave));
        EXPECT_EQ(count(m.out.heard(), sound), round);
        // Stopped: nothing of the sound wakes while it is quiet.
        const long pieces = m.out.pieces();
        m.ui.runFor(60);
        EXPECT_EQ(m.out.pieces(), pieces);
    }
    // It led in, played the sound and went on for the idle time after it, and no longer.
    const std::size_t idleBytes = 44100 * DeviceMixOutput::kIdleMs / 1000;
    const std::size_t leadIn = 44100 * DeviceMixOutput::kLeadInMs / 1000;
    EXPECT_LE(m.out.heard().size(), 2 * (leadIn + sound.size() + idleBytes + 2 * 512 + 256));
}

TEST(DeviceMixing, RequestsOfTheUiThreadReachTheMixingThreadInOrder) {
    // The game's way of playing (a wave loaded afresh for each sound, released when no longer in use) on
    // channel 0, with volume changes and stops; plays that want to be told of their end on channel 1.
    soundtest::ThreadMixer m;
    m.dir.write("a.wav", soundtest::makeWav(1, 44100, 8, ramp(700, 30)));
    m.dir.write("1.wav", soundtest::makeWav(1, 44100, 8, ramp(100, 50)));
    Ends ends;
    const Bytes told = ramp(900, 140);
    MixWave* toldWave = m.wave("told", told);
    {
        ChannelSounds sounds(m.mixer, m.dir.dir());
        for (int i = 0; i < 30; ++i) {
            sounds.playSound0("a.wav");
            if (i % 3 == 0) m.mixer.PlayWave(1, toldWave, &ends, 0, 0);
            if (i % 7 == 6) m.engine.FlushMixChannel(m.mixer.session(), 0, 0);
            m.engine.masterVolume().set(i % 5 == 4 ? 50 : MasterVolume::kFull, false);
            m.ui.runFor(3);
        }
        m.engine.masterVolume().set(MasterVolume::kFull, false);
        ASSERT_TRUE(m.runUntilStopped(5000));
        sounds.playSound0("a.wav");  // kept-back waves are swept when a sound is played
        ASSERT_TRUE(m.runUntilStopped(5000));
        EXPECT_LE(sounds.keptBack(), 1u);
    }
    EXPECT_EQ(ends.ended, 10);
    EXPECT_EQ(ends.onOtherThread, 0);
    EXPECT_GE(count(m.out.heard(), told), 1);
    EXPECT_EQ(m.engine.loadedWaves(), 1u);  // the waves of ChannelSounds are all gone
}

TEST(DeviceMixing, ClosingWhileTheDevicePlaysTakesTheMixerBack) {
    soundtest::ThreadMixer m;
    MixWave* wave = m.wave("w", ramp(40000, 10));
    m.mixer.PlayWave(0, wave, nullptr, 0, 0);
    m.ui.runFor(20);
    ASSERT_TRUE(m.out.mixing());
    m.mixer.SetChannels(
        0);  // the channels close while the sound plays: the device gives the mixer back first
    EXPECT_FALSE(m.mixer.WaveInUse(wave));
    m.mixer.SetChannels(3);
    m.mixer.PlayWave(1, wave, nullptr, 0, 0);
    EXPECT_TRUE(m.out.mixing());
    m.mixer.SetActivated(false);
    EXPECT_FALSE(m.out.mixing());
}

TEST(DeviceMixing, AnIdleDeviceIsWokenByARequestUnlessTheUiThreadTookItFirst) {
    base::Doorbell bell;
    MixLane lane(bell);
    DeviceFeed feed(&bell);
    feed.mixOnDevice(&lane, 1024);
    std::uint8_t piece[512];
    const MixRequest stop{MixRequest::Kind::Flush, {}};
    auto playQuietly = [&] {
        for (int i = 0; i < 4 && !feed.idle(); ++i) feed.fill(piece, sizeof piece);
        return feed.idle();
    };

    // A request posted as the device went idle wakes its thread, which applies it.
    ASSERT_TRUE(playQuietly());
    ASSERT_TRUE(lane.post(stop));
    feed.fill(piece, sizeof piece);
    EXPECT_FALSE(lane.requestsWaiting());

    // Taken first, the device's thread leaves the request to the UI thread and plays silence only.
    ASSERT_TRUE(playQuietly());
    ASSERT_TRUE(feed.takeIfIdle());
    EXPECT_FALSE(feed.takeIfIdle());
    ASSERT_TRUE(lane.post(stop));
    feed.fill(piece, sizeof piece);
    EXPECT_TRUE(lane.requestsWaiting());
    EXPECT_TRUE(std::all_of(std::begin(piece), std::end(piece),
                            [](std::uint8_t b) { return b == DeviceFeed::kSilence; }));
    feed.clearIdle();
    EXPECT_FALSE(feed.idle());
}
