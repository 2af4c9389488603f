// The master volume on the mixed output: unchanged bytes at full volume, scaling around silence, and a mute
// that lets time go on so that unmuting resumes a sound where it has got to.
#include <gtest/gtest.h>

#include "SoundTestKit.h"
#include "sound/MasterVolume.h"

using namespace sound;
using soundtest::Bytes;
using soundtest::filled;
using soundtest::MixRig;

namespace {

constexpr std::size_t kBlock = 2048;  // default block length

Bytes wobble(std::size_t n) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>((i * 37) % 256);
    return b;
}

// Mixed, clipped, looped and queued plays on four channels, heard to their end.
Bytes playScene(MixRig& rig) {
    rig.start(0x0F);
    rig.play(0, rig.wave(wobble(5000)), PlayWait);
    rig.play(1, rig.wave(filled(3000, 250)), PlayWait, 1);
    rig.play(2, rig.wave(filled(700, 10)), PlayWait);
    rig.play(3, rig.wave(wobble(900)));
    rig.play(0, rig.wave(filled(1200, 90)));
    rig.out.advanceMs(3000);
    return rig.out.played();
}

}  // namespace

TEST(MasterVolume, FullVolumeLeavesTheMixedBytesAsTheyWere) {
    MixRig plain;
    const Bytes expected = playScene(plain);
    MixRig turned;
    turned.engine->masterVolume().set(40, true);
    turned.engine->masterVolume().set(MasterVolume::kFull,
                                      false);  // back to full: the stage passes bytes through
    EXPECT_EQ(playScene(turned), expected);
    EXPECT_GT(expected.size(), 3 * kBlock);
    EXPECT_NE(std::find(expected.begin(), expected.end(), 255), expected.end());  // clipped sums are in there
}

struct ScaleRow {
    int percent;
    std::uint8_t in, out;
};
class MasterVolumeScale : public testing::TestWithParam<ScaleRow> {};

TEST_P(MasterVolumeScale, ScalesTheDistanceFromSilenceRoundedToTheNearestStep) {
    const ScaleRow row = GetParam();
    MasterVolume v;
    v.set(row.percent, false);
    std::uint8_t b = row.in;
    v.apply(&b, 1);
    EXPECT_EQ(b, row.out);
}

INSTANTIATE_TEST_SUITE_P(Rows, MasterVolumeScale,
                         testing::Values(ScaleRow{50, 228, 178}, ScaleRow{50, 28, 78}, ScaleRow{50, 129, 129},
                                         ScaleRow{50, 127, 127}, ScaleRow{70, 255, 217}, ScaleRow{70, 0, 38},
                                         ScaleRow{10, 255, 141}, ScaleRow{0, 255, 128}, ScaleRow{0, 0, 128},
                                         ScaleRow{-5, 0, 128}, ScaleRow{150, 3, 3}, ScaleRow{100, 0, 0}));

TEST(MasterVolume, TheVolumeScalesTheSumNotEachChannel) {
    MixRig rig;
    rig.engine->masterVolume().set(50, false);
    rig.start();
    rig.play(0, rig.wave(filled(100, 250)), PlayWait);
    rig.play(1, rig.wave(filled(100, 250)));
    rig.out.advanceMs(500);
    EXPECT_EQ(rig.heard(0, 100), filled(100, 128 + 64));  // the clipped 255, halved
}

TEST(MasterVolume, MuteKeepsTimeAndUnmutingResumesTheSoundWhereItHasGotTo) {
    MixRig rig;
    rig.start();
    const Bytes samples = wobble(8 * kBlock);
    rig.engine->masterVolume().set(MasterVolume::kFull, true);
    rig.play(0, rig.wave(samples));
    rig.out.playBytes(2 * kBlock + 100);
    const std::size_t mutedBlocks = rig.out.writeCount();  // rendered while muted
    rig.engine->masterVolume().set(MasterVolume::kFull, false);
    rig.out.advanceMs(3000);
    const std::size_t mutedBytes = mutedBlocks * kBlock;
    EXPECT_EQ(rig.heard(0, mutedBytes), filled(mutedBytes, 128));
    EXPECT_EQ(rig.heard(mutedBytes, samples.size()),
              Bytes(samples.begin() + static_cast<std::ptrdiff_t>(mutedBytes), samples.end()));
    EXPECT_EQ(rig.out.played().size(), samples.size());  // no block more, no block less than unmuted
    EXPECT_EQ(rig.session->queues[0], nullptr);          // and the play ended on time
}
