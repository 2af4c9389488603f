// Rendering and mixing allocate nothing: every operator new in this program is counted while the device is
// serviced; the device's own thread allocates nothing at all while it plays; nor does a device thread that
// mixes, whatever the UI thread asks of it.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <thread>

#include "FedMixer.h"
#include "SoundTestKit.h"
#include "ThreadDevice.h"
#include "UiThread.h"
#include "sound/TSoundMixer.h"

namespace {
std::atomic<long> allocations{0};
std::atomic<long> deviceAllocations{0};
thread_local bool onDeviceThread = false;
}  // namespace

// Kept out of line: inlined into this file's own new/delete pairs, gcc takes the free() for a mismatch.
[[gnu::noinline]] void* operator new(std::size_t n) {
    ++allocations;
    if (onDeviceThread) ++deviceAllocations;
    if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

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

TEST(NoAllocationOnTheDeviceThread, PlayingAllocatesNothing) {
    // The device thread does what SDL's audio thread does: asks the feed for a piece of sound every
    // millisecond (faster than real time, so that many blocks pass), while this thread answers the doorbell
    // and plays sounds, some of them high-priority ones that re-render what the device already holds.
    soundtest::FedMixer m;
    MixWave* loud = m.wave("loud", filled(6000, 200));
    MixWave* soft = m.wave("soft", filled(3000, 140));
    std::vector<std::uint8_t> heard(1 << 22, 0);
    std::atomic<std::size_t> heardBytes{0};
    std::atomic<bool> stop{false};
    std::atomic<int> pieces{0};
    std::thread device([&] {
        onDeviceThread = true;
        std::array<std::uint8_t, 256> piece{};
        while (!stop.load()) {
            m.out.feed().fill(piece.data(), piece.size());
            const std::size_t at = heardBytes.load();
            if (at + piece.size() <= heard.size()) {
                std::copy(piece.begin(), piece.end(), heard.begin() + static_cast<std::ptrdiff_t>(at));
                heardBytes.store(at + piece.size());
            }
            ++pieces;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        onDeviceThread = false;
    });
    for (int i = 0; i < 40; ++i) {
        m.mixer.PlayWave(0, loud, nullptr, 0, 0);
        m.mixer.PlayWave(1, soft, nullptr, i % 3 == 0 ? PlayHighPriority | PlayClearQueue : 0, 0);
        m.ui.runFor(15);
    }
    m.ui.runFor(2000, [&] { return m.engine.blocksAtDevice() == 0; });
    stop.store(true);
    device.join();
    EXPECT_GT(pieces.load(), 200);
    EXPECT_EQ(deviceAllocations.load(), 0);
    const auto end = heard.begin() + static_cast<std::ptrdiff_t>(heardBytes.load());
    EXPECT_NE(std::find(heard.begin(), end, 200 + 12), end);  // both sounds at once
    EXPECT_EQ(m.engine.blocksAtDevice(), 0);
}

TEST(NoAllocationOnTheMixingThread, MixingOnTheDeviceAllocatesNothing) {
    // Plays, plays that render again what the device holds, stops, volume changes and a wave dropped while it
    // sounds, all posted while the device's thread mixes; then the device stops after the silence.
    soundtest::ThreadMixer m([] { onDeviceThread = true; });
    MixWave* loud = m.wave("loud", filled(6000, 200));
    MixWave* soft = m.wave("soft", filled(3000, 140));
    MixWave* dropped = m.wave("dropped", filled(9000, 90));
    const long before = deviceAllocations.load();
    for (int i = 0; i < 40; ++i) {
        m.mixer.PlayWave(0, loud, nullptr, 0, 0);
        m.mixer.PlayWave(1, soft, nullptr, i % 3 == 0 ? PlayHighPriority | PlayClearQueue : 0, 0);
        if (i % 9 == 8) m.engine.FlushMixChannel(m.mixer.session(), 1, 0);
        if (i == 20) m.mixer.PlayWave(0, dropped, nullptr, PlayClearQueue, 0);
        if (i == 22) m.mixer.ReleaseWave(dropped);
        m.engine.masterVolume().set(i % 4 == 0 ? 60 : MasterVolume::kFull, i % 10 == 5);
        m.ui.runFor(15);
    }
    ASSERT_TRUE(m.runUntilStopped(5000));
    EXPECT_GT(m.out.pieces(), 200);
    EXPECT_EQ(deviceAllocations.load() - before, 0);
    const std::vector<std::uint8_t>& heard = m.out.heard();
    EXPECT_NE(std::find(heard.begin(), heard.end(), 200 + 12), heard.end());  // both sounds at once
}
