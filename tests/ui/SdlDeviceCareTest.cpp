// The sound device's helper thread: it rings while the device plays, rests while it does not, and takes an
// audio thread to ask real-time scheduling for while it rings, ending with its owner.
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "ui/sdl/SdlDeviceCare.h"

namespace {

// Answers every ring for ms milliseconds and counts them.
int ringsWithin(base::Doorbell& bell, int ms) {
    int rings = 0;
    bell.setAnswer([&] { ++rings; });
    bell.waitAnswering(ms);
    bell.setAnswer(nullptr);
    return rings;
}

TEST(SdlDeviceCare, RingsWhileTheDevicePlaysAndRestsOtherwise) {
    base::Doorbell bell;
    ui::SdlDeviceCare care(bell);
    EXPECT_EQ(ringsWithin(bell, 3 * ui::SdlDeviceCare::kLookMs), 0) << "nothing plays yet";
    care.setPlaying(true);
    // An ordinary thread of this process, as an audio thread that could not raise itself would be; whether
    // the desktop grants it does not matter, only that asking holds nothing up.
    std::atomic<pid_t> tid{0};
    std::thread audio([&tid] {
        tid = gettid();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    });
    while (tid == 0) std::this_thread::yield();
    care.askRealtime(tid);
    EXPECT_GE(ringsWithin(bell, 4 * ui::SdlDeviceCare::kLookMs), 2);
    audio.join();
    care.setPlaying(false);
    ringsWithin(bell, ui::SdlDeviceCare::kLookMs);  // a look under way when it stopped
    EXPECT_EQ(ringsWithin(bell, 3 * ui::SdlDeviceCare::kLookMs), 0) << "nothing plays any more";
}

}  // namespace
