// The device queue between two real threads, as the UI thread and a sound device's thread use it: blocks come
// out whole and in order, a reset takes back everything at once while the device plays, and nothing is torn;
// and the mixer fed from a device thread through the doorbell.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <random>
#include <thread>
#include <vector>

#include "FedMixer.h"
#include "SoundTestKit.h"
#include "UiThread.h"
#include "sound/DeviceQueue.h"
#include "sound/PacedDrain.h"
#include "sound/TSoundMixer.h"

using namespace sound;

namespace {

constexpr int kBlocks = 240;           // block ids 0..239 fit one byte
constexpr std::uint32_t kPairs = 255;  // each block: pairs of (block id, index of the pair)
constexpr std::uint32_t kBlockBytes = 2 * kPairs;
constexpr int kHeaders = 6;  // as many as the mixer keeps at a device

struct Played {
    int id;
    int index;
};

// Runs the UI side (pushing every block once, collecting, resetting every resetEvery pushes when not 0)
// against a device thread that plays pieces of random even length; returns the pairs the device played, in
// order.
std::vector<Played> run(int resetEvery, int& lastReset) {
    DeviceQueue queue;
    std::array<WaveHeader, kHeaders> headers{};
    std::array<std::array<std::uint8_t, kBlockBytes>, kHeaders> data{};
    for (int h = 0; h < kHeaders; ++h) {
        headers[h].data = data[h].data();
        headers[h].bufferLength = kBlockBytes;
        headers[h].flags = kHeaderDone;
    }
    std::atomic<bool> stop{false};
    std::vector<std::uint8_t> heard;
    heard.reserve(kBlocks * kBlockBytes * 2);
    std::thread device([&] {
        std::mt19937 random(3);
        std::array<std::uint8_t, 400> piece{};
        while (!stop.load()) {
            const std::size_t n = 2 * (1 + random() % 200);
            const std::size_t got = queue.consume(piece.data(), n);
            heard.insert(heard.end(), piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(got));
            // About the pace of a device: the UI thread gets blocks in while others wait.
            std::this_thread::sleep_for(std::chrono::microseconds(got == 0 ? 20 : 40));
        }
    });
    int next = 0, pushes = 0;
    lastReset = -1;
    while (next < kBlocks || queue.pendingBytes() > 0) {
        queue.collectFinished();
        for (int h = 0; h < kHeaders && next < kBlocks; ++h) {
            if ((headers[h].flags & kHeaderDone) == 0) continue;
            for (std::uint32_t i = 0; i < kPairs; ++i) {
                data[h][2 * i] = static_cast<std::uint8_t>(next);
                data[h][2 * i + 1] = static_cast<std::uint8_t>(i);
            }
            EXPECT_EQ(queue.push(headers[h]), 0);
            ++next;
            if (resetEvery != 0 && ++pushes % resetEvery == 0 && next < kBlocks - kHeaders) {
                queue.reset();
                lastReset = next;
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
    stop.store(true);
    device.join();
    std::vector<Played> pairs;
    for (std::size_t i = 0; i + 1 < heard.size(); i += 2) pairs.push_back({heard[i], heard[i + 1]});
    EXPECT_EQ(heard.size() % 2, 0u);
    return pairs;
}

}  // namespace

TEST(DeviceQueueThreads, BlocksComeOutWholeAndInOrder) {
    int lastReset = 0;
    const std::vector<Played> pairs = run(0, lastReset);
    ASSERT_EQ(pairs.size(), static_cast<std::size_t>(kBlocks) * kPairs);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        ASSERT_EQ(pairs[i].id, static_cast<int>(i / kPairs)) << "at pair " << i;
        ASSERT_EQ(pairs[i].index, static_cast<int>(i % kPairs)) << "at pair " << i;
    }
}

TEST(DeviceQueueThreads, AResetWhileTheDevicePlaysTearsNothing) {
    int lastReset = 0;
    const std::vector<Played> pairs = run(7, lastReset);
    ASSERT_FALSE(pairs.empty());
    ASSERT_GT(lastReset, 0);
    // Each block starts at its beginning and runs on without a jump; a later block only follows an earlier
    // one; a block cut short was taken back by a reset.
    std::vector<int> heardWhole(kBlocks, 0);
    EXPECT_EQ(pairs[0].index, 0);
    for (std::size_t i = 1; i < pairs.size(); ++i) {
        const Played& a = pairs[i - 1];
        const Played& b = pairs[i];
        if (b.id == a.id) {
            ASSERT_EQ(b.index, a.index + 1) << "block " << a.id << " jumps at pair " << i;
        } else {
            ASSERT_GT(b.id, a.id) << "an older block after a newer one at pair " << i;
            ASSERT_EQ(b.index, 0) << "block " << b.id << " does not start at its beginning";
        }
        if (b.index == static_cast<int>(kPairs) - 1) heardWhole[b.id] = 1;
    }
    int cut = 0;
    for (std::size_t i = 1; i < pairs.size(); ++i)
        if (pairs[i].id != pairs[i - 1].id && pairs[i - 1].index != static_cast<int>(kPairs) - 1) ++cut;
    RecordProperty("blocks cut by a reset", cut);
    // Everything pushed after the last reset is heard whole.
    for (int id = lastReset; id < kBlocks; ++id) EXPECT_EQ(heardWhole[id], 1) << "block " << id;
}

TEST(DeviceQueueThreads, AfterAResetNoNewerBlockIsPlayedBeforeAnOlderOne) {
    // The device looks for the oldest queued block and then claims it; a reset and new pushes in between may
    // have put a newer block into the slot it chose. Blocks of four bytes carry their push number; pushes of
    // three blocks and a reset run as fast as they can against a device that takes one block at a time.
    DeviceQueue queue;
    constexpr std::uint32_t kRounds = 5000;
    std::array<WaveHeader, 3> headers{};
    std::array<std::uint32_t, 3> numbers{};
    for (std::size_t h = 0; h < headers.size(); ++h) {
        headers[h].data = reinterpret_cast<std::uint8_t*>(&numbers[h]);
        headers[h].bufferLength = sizeof(std::uint32_t);
    }
    std::atomic<bool> stop{false};
    std::vector<std::uint32_t> heard;
    heard.reserve(3 * kRounds);
    std::thread device([&] {
        std::uint32_t number = 0;
        while (!stop.load(std::memory_order_relaxed))
            if (queue.consume(reinterpret_cast<std::uint8_t*>(&number), sizeof number) == sizeof number)
                heard.push_back(number);
    });
    std::mt19937 random(5);
    std::uint32_t pushed = 0;
    // At most two seconds of rounds: a machine slowed down by a sanitizer plays fewer, not for longer.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    for (std::uint32_t round = 0; round < kRounds && std::chrono::steady_clock::now() < until; ++round) {
        for (std::size_t h = 0; h < headers.size(); ++h) {
            numbers[h] = ++pushed;
            ASSERT_EQ(queue.push(headers[h]), 0);
        }
        // The reset comes after the device has taken none, some or all of the blocks: right when it looks for
        // the next one.
        const std::uint32_t taken = sizeof(std::uint32_t) * (random() % 4);
        while (queue.position() < taken && queue.pendingBytes() > 0) std::this_thread::yield();
        queue.reset();
    }
    stop.store(true);
    device.join();
    int backward = 0;
    for (std::size_t i = 1; i < heard.size(); ++i)
        if (heard[i] <= heard[i - 1]) ++backward;
    RecordProperty("blocks played", static_cast<int>(heard.size()));
    EXPECT_GT(heard.size(), 100u);
    EXPECT_EQ(backward, 0) << "of " << heard.size() << " blocks played";
}

TEST(DeviceFeedThreads, TheMixerFedFromADeviceThreadIsHeardExactly) {
    // A device thread asks for pieces of sound as SDL's does, this thread answers the doorbell and plays
    // sounds one after another on a channel: the device hears them back to back, byte for byte.
    soundtest::FedMixer m;
    soundtest::Bytes samples(5000);
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::uint8_t>(1 + i % 253);
    MixWave* wave = m.wave("w", samples);
    std::vector<std::uint8_t> heard;
    heard.reserve(1 << 20);
    std::atomic<bool> stop{false};
    std::thread device([&] {
        std::array<std::uint8_t, 256> piece{};
        while (!stop.load()) {
            // A device that waits for a whole piece: a machine slowed down by a sanitizer must not turn a
            // late block into a gap here (the pacing and the underrun count have their own tests).
            if (m.out.feed().queue().pendingBytes() < piece.size()) {
                m.out.feed().tell();
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            m.out.feed().fill(piece.data(), piece.size());
            heard.insert(heard.end(), piece.begin(), piece.end());
            // About real time for 8-bit mono at 44,100 Hz.
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    for (int i = 0; i < 6; ++i) m.mixer.PlayWave(0, wave, nullptr, 0, 0);
    m.ui.runFor(5000,
                [&] { return m.mixer.session()->queues[0] == nullptr && m.engine.blocksAtDevice() == 0; });
    stop.store(true);
    device.join();
    soundtest::Bytes expected;
    for (int i = 0; i < 6; ++i) expected.insert(expected.end(), samples.begin(), samples.end());
    const auto at = std::search(heard.begin(), heard.end(), expected.begin(), expected.end());
    EXPECT_NE(at, heard.end()) << "six plays back to back, unbroken";
}

TEST(PacedDrain, PlaysTheFeedNoFasterThanTheClockAndRingsForEachBlock) {
    // The stand-in for a lost device: 2,048 bytes at 11,025 bytes a second take at least 186 ms.
    soundtest::UiThread ui;
    DeviceFeed feed(&ui.bell());
    int done = 0;
    feed.setBlockDone([&] { ++done; });
    ui.bell().setAnswer([&] { feed.deliver(); });
    std::array<WaveHeader, 4> headers{};
    std::array<std::uint8_t, 512> bytes{};
    for (WaveHeader& h : headers) {
        h.data = bytes.data();
        h.bufferLength = 512;
        ASSERT_EQ(feed.queue().push(h), 0);
    }
    const auto started = std::chrono::steady_clock::now();
    {
        PacedDrain drain(feed, 11025);
        ui.runFor(3000, [&] { return done == 4; });
    }
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(done, 4);
    EXPECT_GE(took, std::chrono::milliseconds(180));
    EXPECT_EQ(feed.queue().position(), 2048u);
    for (const WaveHeader& h : headers) EXPECT_NE(h.flags & kHeaderDone, 0u);
    ui.bell().setAnswer(nullptr);
}
