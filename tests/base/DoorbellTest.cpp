// The doorbell between a device thread and the UI thread: rings coalesce into one answer, a ring during an
// answer is not lost, and the waiting pause answers at once yet lasts as long as asked.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "base/Clock.h"
#include "base/Doorbell.h"

namespace {

using namespace std::chrono;

TEST(Doorbell, RingsBeforeTheAnswerAreAnsweredOnce) {
    base::Doorbell bell;
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
    base::Doorbell bell;
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
    base::Doorbell bell;
    base::SystemClock clock;
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
    base::Doorbell bell;
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
