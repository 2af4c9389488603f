// Rendering and mixing allocate nothing: every operator new in this program is counted while the device is serviced.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "SoundTestKit.h"

namespace {
std::atomic<long> allocations{0};
}

// Kept out of line: inlined into this file's own new/delete pairs, gcc takes the free() for a mismatch.
[[gnu::noinline]] void* operator new(std::size_t n) {
    ++allocations;
    if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

using namespace sound;
using soundtest::filled;

struct VolumeRow {
    int percent;
    bool muted;
};
class NoAllocation : public testing::TestWithParam<VolumeRow> {};

TEST_P(NoAllocation, ServicingTheDeviceAllocatesNothing) {
    // Notices are held back so that each service can be run, and counted, on its own.
    std::vector<std::function<void()>> notices;
    notices.reserve(1024);
    soundtest::MixRig rig("[default]\nWaveBlocks=6\nWaveBlockLen=512\n", nullptr,
                          [&](std::function<void()> f) { notices.push_back(std::move(f)); });
    rig.engine->masterVolume().set(GetParam().percent, GetParam().muted);
    rig.start(0xFF);
    rig.out.reserveCapture(1 << 20);
    // Eight channels sounding at once, some looping, some queued behind others.
    for (int c = 0; c < kMixChannels; ++c) {
        MixWave* w = rig.wave(filled(3000 + 100 * c, static_cast<std::uint8_t>(100 + c)));
        rig.play(c, w, PlayWait, c % 2 == 0 ? 2 : 0);
        rig.play(c, w, c == 7 ? 0 : PlayWait);
    }
    long during = 0;
    int services = 0;
    for (int step = 0; step < 200; ++step) {
        rig.out.playBytes(512);
        for (std::function<void()>& notice : notices) {
            const long before = allocations.load();
            notice();  // marks the block done and runs ServiceMixDevice
            during += allocations.load() - before;
            ++services;
        }
        notices.clear();
    }
    EXPECT_GT(services, 25);  // the longest channel holds 28 blocks
    EXPECT_EQ(during, 0);
    EXPECT_EQ(rig.engine->blocksAtDevice(), 0);  // everything was heard and retired
}

// Full volume, a turned-down volume and a mute: the volume stage works in place.
INSTANTIATE_TEST_SUITE_P(Volumes, NoAllocation,
                         testing::Values(VolumeRow{100, false}, VolumeRow{60, false}, VolumeRow{60, true}));
