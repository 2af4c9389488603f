// Ten minutes of game-like sound on the virtual clock, with block notices serviced by an event thread that
// handlers hold up: no underrun with the shipped settings, and new sounds start within 50 ms of being asked
// for.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <random>

#include "SoundTestKit.h"
#include "sound/TSoundMixer.h"

using namespace sound;

namespace {

constexpr std::uint32_t kTickMs = 56;  // the ball tick
constexpr double kGameSoundChance = 0.15;
constexpr double kSecondChannelChance = 0.1;

struct SimResult {
    std::uint32_t underruns = 0;
    std::size_t blocks = 0;
    double worstOnsetMs = 0;  // of plays on an empty channel
};

// The event thread is a single server in virtual time: a handler of the ball tick keeps it busy for up to
// maxStallMs, and the output's notices wait until it is free.
SimResult simulate(const std::string& settings, std::uint32_t minutes, std::uint32_t maxStallMs) {
    std::deque<std::function<void()>> posted;
    soundtest::TempDir dir;
    dir.write("SOUNDMIX.INI", settings);
    VirtualAudioOutput out([&](std::function<void()> f) { posted.push_back(std::move(f)); });
    out.capture = false;
    MixEngine engine(out, dir.path("SOUNDMIX.INI"));
    TSoundMixer mixer(engine);
    mixer.SetActivated(true);
    mixer.SetChannels(3);
    MixSession& s = *mixer.session();
    std::vector<MixWave*> waves;
    for (std::uint32_t ms : {40, 80, 150, 300, 500, 700}) {
        const soundtest::Bytes samples(s.format.avgBytesPerSec * ms / 1000,
                                       static_cast<std::uint8_t>(120 + ms % 16));
        waves.push_back(engine.LoadMixWave(&s, "w", nullptr, kWaveFromMemory,
                                           soundtest::makeWav(1, s.format.samplesPerSec, 8, samples)));
    }

    std::mt19937 random(7);
    std::uniform_real_distribution<double> chance(0, 1);
    std::uniform_int_distribution<std::uint32_t> stall(0, maxStallMs);
    SimResult result;
    const auto play = [&](int channel) {
        const bool fresh = s.queues[channel] == nullptr;
        mixer.PlayWave(channel, waves[random() % waves.size()], nullptr, 0, 0);
        if (!fresh) return;  // behind the channel's own sounds by design
        const std::uint32_t heard = s.offsetSubtracts ? out.positionBytes() - s.positionOffset
                                                      : out.positionBytes() + s.positionOffset;
        const double onset = 1000.0 * (s.queues[channel]->start - heard) / s.format.avgBytesPerSec;
        result.worstOnsetMs = std::max(result.worstOnsetMs, onset);
    };
    std::uint32_t busyUntil = 0, nextTick = 0;
    for (std::uint32_t now = 0; now < minutes * 60'000; ++now) {
        out.advanceMs(1);
        if (now < busyUntil) continue;
        while (!posted.empty()) {
            std::function<void()> notice = std::move(posted.front());
            posted.pop_front();
            notice();
        }
        if (now >= nextTick) {
            if (chance(random) < kGameSoundChance) play(0);
            if (chance(random) < kSecondChannelChance) play(1);
            busyUntil = now + stall(random);
            nextTick += kTickMs;
        }
    }
    result.underruns = engine.underruns();
    result.blocks = out.writeCount();
    return result;
}

}  // namespace

TEST(EnduranceSim, TenMinutesWithTheShippedSettingsHaveNoUnderrun) {
    const SimResult r =
        simulate(soundtest::readText(std::string(ZORBAN_SOUND_SOURCE_DIR) + "/SOUNDMIX.INI"), 10, 30);
    EXPECT_EQ(r.underruns, 0u);
    EXPECT_GT(r.blocks, 10'000u);  // sound ran through much of the time
    EXPECT_LE(r.worstOnsetMs, 50.0);
    EXPECT_GT(r.worstOnsetMs, 30.0);  // some plays did start behind the rendered blocks
}

TEST(EnduranceSim, AHandlerLongerThanTheQueuedBlocksIsCountedAsUnderruns) {
    // Three blocks of 512 bytes leave 23 ms queued while the next is made: 40 ms stalls outlast them.
    const SimResult r = simulate("[default]\nSamplesPerSec=44\nWaveBlocks=3\nWaveBlockLen=512\n", 1, 40);
    EXPECT_GT(r.underruns, 0u);
}

TEST(EnduranceSim, AnUnderrunIsCountedOnceAndNotForTheEndOfASound) {
    std::vector<std::function<void()>> held;
    soundtest::MixRig rig("[default]\nWaveBlockLen=512\n", nullptr,
                          [&](std::function<void()> f) { held.push_back(std::move(f)); });
    rig.start();
    rig.play(0, rig.wave(soundtest::filled(4000, 150)));  // about eight blocks
    rig.out.playBytes(3 * 512);                           // all three blocks heard; their notices wait
    rig.out.advanceMs(20);                                // the output has nothing left
    for (auto& f : held) f();
    held.clear();
    EXPECT_EQ(rig.engine->underruns(), 1u);
    for (int i = 0; i < 20; ++i) {  // from here on every notice is served at once, to the end of the sound
        rig.out.playBytes(512);
        for (auto& f : held) f();
        held.clear();
    }
    EXPECT_EQ(rig.engine->blocksAtDevice(), 0);
    EXPECT_EQ(rig.engine->underruns(), 1u);
}
