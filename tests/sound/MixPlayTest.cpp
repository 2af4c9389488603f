// Plays on the virtual output: what the listener hears for single, mixed, queued, looped and flushed plays.
#include <gtest/gtest.h>

#include <algorithm>

#include "SoundTestKit.h"
#include "sound/MixerError.h"

using namespace sound;
using soundtest::Bytes;
using soundtest::filled;
using soundtest::MixRig;

namespace {

constexpr std::size_t kBlock = 2048;  // default block length at 11,025 samples per second

Bytes ramp(std::size_t n, int first = 1) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>((first + static_cast<int>(i)) % 256);
    return b;
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

}  // namespace

TEST(MixPlay, OneContributorIsCopiedAndFollowedBySilence) {
    MixRig rig;
    rig.start();
    const Bytes samples = ramp(300);
    rig.play(0, rig.wave(samples));
    EXPECT_EQ(rig.out.writeCount(), 1u);  // one block holds the whole wave; the next would be empty
    rig.out.advanceMs(1000);
    EXPECT_EQ(rig.heard(0, kBlock), concat({samples, filled(kBlock - 300, 128)}));
}

struct SumRow {
    std::uint8_t a, b, expected;
};
class MixSum : public testing::TestWithParam<SumRow> {};

TEST_P(MixSum, TwoChannelsStartedTogetherAreSummedAndClipped) {
    const SumRow row = GetParam();
    MixRig rig;
    rig.start();
    rig.play(0, rig.wave(filled(100, row.a)), PlayWait);  // waits for the next play: both start together
    rig.play(1, rig.wave(filled(100, row.b)));
    rig.out.advanceMs(500);
    EXPECT_EQ(rig.heard(0, 100), filled(100, row.expected));
    EXPECT_EQ(rig.heard(100, 100), filled(100, 128));
}

INSTANTIATE_TEST_SUITE_P(Rows, MixSum,
                         testing::Values(SumRow{250, 250, 255}, SumRow{10, 10, 0}, SumRow{200, 100, 172},
                                         SumRow{128, 77, 77}, SumRow{0, 255, 127}));

TEST(MixPlay, ThreeContributorsAreSummedAroundSilence) {
    MixRig rig;
    rig.start(7);
    rig.play(0, rig.wave(filled(10, 140)), PlayWait);
    rig.play(1, rig.wave(filled(10, 120)), PlayWait);
    rig.play(2, rig.wave(filled(10, 130)));
    rig.out.advanceMs(500);
    EXPECT_EQ(rig.heard(0, 10), filled(10, 128 + 12 - 8 + 2));
}

TEST(MixPlay, SecondChannelJoinsALongSoundAfterTheRenderedAudio) {
    MixRig rig;
    rig.start();
    rig.play(0, rig.wave(filled(4 * kBlock, 138)));
    rig.play(1, rig.wave(filled(kBlock, 148)));  // starts behind the three blocks already rendered
    rig.out.advanceMs(2000);
    EXPECT_EQ(rig.heard(0, 3 * kBlock), filled(3 * kBlock, 138));
    EXPECT_EQ(rig.heard(3 * kBlock, kBlock), filled(kBlock, 138 + 20));
}

TEST(MixPlay, TwoPlaysOnOneChannelFollowEachOther) {
    MixRig rig;
    rig.start();
    const Bytes a = filled(3000, 60), b = filled(500, 200);
    rig.play(0, rig.wave(a));
    rig.play(0, rig.wave(b));  // after the end of a, and never before the end of the two blocks rendered
    rig.out.advanceMs(2000);
    EXPECT_EQ(rig.heard(0, 2 * kBlock + 600),
              concat({a, filled(2 * kBlock - 3000, 128), b, filled(100, 128)}));
}

TEST(MixPlay, ASecondPlayOfAShortSoundWaitsForTheRenderedBlock) {
    MixRig rig;
    rig.start();
    const Bytes a = filled(100, 60), b = filled(100, 200);
    rig.play(0, rig.wave(a));
    rig.play(0, rig.wave(b));
    rig.out.advanceMs(2000);
    EXPECT_EQ(rig.heard(0, kBlock + 100), concat({a, filled(kBlock - 100, 128), b}));
}

TEST(MixPlay, LoopCountOneSoundsTwice) {
    MixRig rig;
    rig.start();
    const Bytes w = ramp(700);
    rig.play(0, rig.wave(w), 0, 1);
    rig.out.advanceMs(1000);
    EXPECT_EQ(rig.heard(0, 1500), concat({w, w, filled(100, 128)}));
}

TEST(MixPlay, LoopForeverRepeatsUntilItsChannelIsFlushed) {
    MixRig rig;
    rig.start();
    const Bytes w = ramp(1000);
    rig.play(0, rig.wave(w), 0, kLoopForever);
    rig.out.advanceMs(2000);  // 22,050 bytes heard
    const std::size_t heard = rig.out.played().size();
    ASSERT_GE(heard, 20000u);
    for (std::size_t i = 0; i < heard; i += 997) ASSERT_EQ(rig.out.played()[i], w[i % 1000]) << i;
    rig.engine->FlushMixChannel(rig.session, 0, 0);
    // The remix takes back the blocks not yet heard: the sound stops where the listener is.
    EXPECT_EQ(rig.out.pendingBytes(), 0u);
    rig.out.advanceMs(1000);
    EXPECT_EQ(rig.out.played().size(), heard);
    EXPECT_EQ(rig.engine->freeEntries(), kPlayEntryPool);
}

TEST(MixPlay, LoopForeverStopsWhenItsWaveIsReleased) {
    MixRig rig;
    rig.start();
    MixWave* w = rig.wave(filled(1000, 150));
    rig.play(0, w, 0, kLoopForever);
    rig.out.advanceMs(500);
    rig.engine->ReleaseMixWave(rig.session, w);
    EXPECT_EQ(rig.engine->freeEntries(), kPlayEntryPool);
    rig.out.advanceMs(1000);  // the blocks already rendered play out, then nothing more is written
    EXPECT_EQ(rig.out.pendingBytes(), 0u);
    EXPECT_EQ(rig.out.played().back(), 150);
}

TEST(MixPlay, IdleResetStartsPositionsAgainFromZero) {
    MixRig rig;
    rig.start();
    rig.play(0, rig.wave(filled(5000, 100)));
    rig.out.advanceMs(2000);
    EXPECT_EQ(rig.engine->blocksAtDevice(), 0);
    EXPECT_EQ(rig.session->mixPosition, 3 * kBlock);
    EXPECT_EQ(rig.session->queues[0], nullptr);  // retired once heard
    rig.play(1, rig.wave(filled(10, 100)));
    EXPECT_EQ(rig.session->queues[1]->start, 0u);
    EXPECT_EQ(rig.session->mixPosition, kBlock);
    EXPECT_EQ(rig.engine->currentPosition(*rig.session), 0u);
}

TEST(MixPlay, NoIdleResetWhileBlocksAreAtTheDevice) {
    MixRig rig;
    rig.start();
    rig.play(0, rig.wave(filled(5000, 100)));
    rig.out.advanceMs(100);
    rig.play(1, rig.wave(filled(10, 100)));
    EXPECT_EQ(rig.session->queues[1]->start, 3 * kBlock);
}

TEST(MixPlay, ClearQueueReplacesTheChannelAndRendersAgainFromTheMixPosition) {
    MixRig rig;
    rig.start();
    rig.play(0, rig.wave(filled(1000, 90)), 0, kLoopForever);
    rig.out.advanceMs(100);
    rig.play(0, rig.wave(filled(500, 210)), PlayClearQueue);
    EXPECT_EQ(rig.out.resetCount(), 1u);  // re-rendered blocks replace those at the device
    EXPECT_EQ(rig.session->queues[0]->next, nullptr);
    rig.out.advanceMs(2000);
    const Bytes& all = rig.out.played();
    ASSERT_TRUE(std::search_n(all.begin(), all.end(), 500, std::uint8_t{210}) != all.end());
    EXPECT_EQ(all.back(), 128);
}

namespace {
// A long play of level 100 on channel 0 with its first 1,000 bytes heard, then 200 bytes of level 140 on
// channel 1 with high priority.
void highPriorityOverALongPlay(MixRig& rig, std::size_t longBytes) {
    rig.start();
    rig.play(0, rig.wave(filled(longBytes, 100)));
    rig.out.playBytes(1000);
    rig.play(1, rig.wave(filled(200, 140)), PlayHighPriority);
}
}  // namespace

TEST(MixPlay, HighPriorityStartsAtThePositionNowHeard) {
    MixRig rig("[default]\nGoodWavePos=1\n");
    highPriorityOverALongPlay(rig, 5000);
    EXPECT_EQ(rig.session->queues[1]->start, 1000u);
    rig.out.advanceMs(2000);
    EXPECT_EQ(rig.heard(1000, 200), filled(200, 112));
    EXPECT_EQ(rig.heard(1200, 100), filled(100, 100));
}

TEST(MixPlay, ShiftRemixMovesTheNewPlayBehindTheRenderedAudio) {
    MixRig rig("[default]\nRemix=2\nGoodWavePos=1\n");
    highPriorityOverALongPlay(rig, 8000);
    EXPECT_EQ(rig.out.resetCount(), 0u);
    EXPECT_EQ(rig.session->queues[1]->start, 3 * kBlock);
    EXPECT_EQ(rig.session->queues[1]->end, 3 * kBlock + 200);
}

TEST(MixPlay, LeastRecentlyUsedChannelIsChosenAndWrittenBack) {
    MixRig rig;
    rig.start(0x0F);
    MixWave* w = rig.wave(filled(10000, 130));
    PlayParams p;
    p.session = rig.session;
    p.wave = w;
    p.flags = PlayUseLruChannel;
    p.channel = 7;
    rig.engine->PlayMixWave(&p);
    EXPECT_EQ(p.channel, 0);  // channel 0 empty: taken at once
    rig.engine->PlayMixWave(&p);
    EXPECT_EQ(p.channel, 1);  // 0 busy, 1 never used
    rig.engine->PlayMixWave(&p);
    EXPECT_EQ(p.channel, 2);
}

class RecordingTarget : public MixNotifyTarget {
  public:
    void mixWaveDone(int channel, MixWave* wave) override { done.emplace_back(channel, wave); }
    std::vector<std::pair<int, MixWave*>> done;
};

TEST(MixPlay, NotifyTargetHearsOfTheEndOfItsPlay) {
    MixRig rig;
    rig.start();
    RecordingTarget target;
    MixWave* w = rig.wave(filled(3000, 100));
    rig.play(1, w, 0, 0, &target);
    rig.out.playBytes(kBlock);
    EXPECT_TRUE(target.done.empty());
    rig.out.advanceMs(1000);
    ASSERT_EQ(target.done.size(), 1u);
    EXPECT_EQ(target.done[0], std::make_pair(1, w));
}
