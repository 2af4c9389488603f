// The doorbell between a device thread and the UI thread: rings coalesce into one answer, a ring during an
// answer is not lost, and the waiting pause answers at once yet lasts as long as asked.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "ui/core/Clock.h"
#include "ui/core/Doorbell.h"

namespace {

using namespace std::chrono;

TEST(Doorbell, RingsBeforeTheAnswerAreAnsweredOnce) {
    ui::Doorbell bell;
    int answers = 0;
    bell.setAnswer([&] { ++answers; });
    EXPECT_FALSE(bell.answer());
    bell.ring();
    bell.ring();
    EXPECT_TRUE(bell.rung());
    EXPECT_TRUE(bell.answer());
    EXPECT_FALSE(bell.answer());
    EXPECT_EQ(answers, 1);
}

TEST(Doorbell, ARingDuringTheAnswerIsAnsweredAgain) {
    ui::Doorbell bell;
    int answers = 0;
    bell.setAnswer([&] {
        if (++answers == 1) bell.ring();  // the device finished another block meanwhile
    });
    bell.ring();
    EXPECT_TRUE(bell.answer());
    EXPECT_TRUE(bell.rung());
    EXPECT_TRUE(bell.answer());
    EXPECT_EQ(answers, 2);
}

TEST(Doorbell, ThePauseAnswersARingFromAnotherThreadAtOnceAndLastsItsTime) {
    ui::Doorbell bell;
    ui::SystemClock clock;
    clock.answerWhilePausing(&bell);
    std::atomic<long long> answeredAfterUs{-1};
    const auto started = steady_clock::now();
    bell.setAnswer(
        [&] { answeredAfterUs = duration_cast<microseconds>(steady_clock::now() - started).count(); });
    std::thread device([&] {
        std::this_thread::sleep_for(milliseconds(20));
        bell.ring();
    });
    clock.sleepMs(120);
    const auto took = steady_clock::now() - started;
    device.join();
    EXPECT_GE(took, milliseconds(120));
    ASSERT_GE(answeredAfterUs.load(), 20'000);
    EXPECT_LT(answeredAfterUs.load(), 100'000);  // answered when it rang, not at the end of the pause
}

TEST(Doorbell, ManyRingsFromAThreadAreAllAnsweredInTheEnd) {
    ui::Doorbell bell;
    std::atomic<int> rings{0};
    int lastSeen = 0;
    bell.setAnswer([&] { lastSeen = rings.load(); });
    std::thread device([&] {
        for (int i = 0; i < 2000; ++i) {
            rings.fetch_add(1);
            bell.ring();
        }
    });
    while (lastSeen < 2000) bell.waitAnswering(1);
    device.join();
    EXPECT_EQ(lastSeen, 2000);
}

}  // namespace
