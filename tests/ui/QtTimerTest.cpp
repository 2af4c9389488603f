// Window timers on the event loop, functions posted to the UI thread from other threads, and the sound
// device's doorbell, answered by the event loop and inside the blocking pause.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include <QCoreApplication>

#include "QtFixture.h"
#include "ui/qt/FormWindow.h"
#include "ui/qt/TimerBinding.h"

namespace {

using testutil::QtTest;

TEST_F(QtTest, TimerTicksGoThroughTheDispatcher) {
    int ticks = 0;
    w.timer.onTimer = [&] {
        if (++ticks == 2) throw std::runtime_error("boom");
    };
    w.timer.start();
    platform.build(w.form);
    spin(200);
    EXPECT_GE(ticks, 5);
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"boom."});
    w.timer.stop();
    const int stopped = ticks;
    spin(50);
    EXPECT_EQ(ticks, stopped);
}

TEST_F(QtTest, ANewIntervalRestartsTheCount) {
    int ticks = 0;
    w.timer.onTimer = [&] { ++ticks; };
    w.timer.setInterval(300);
    w.timer.start();
    platform.build(w.form);
    // Restarting every 50 ms keeps a 300 ms timer from firing.
    for (int i = 0; i < 4; ++i) {
        spin(50);
        w.timer.setInterval(i % 2 ? 300 : 301);
    }
    EXPECT_EQ(ticks, 0);
    spin(500);
    EXPECT_GE(ticks, 1);
}

TEST_F(QtTest, TimersCreatedEnabledRunFromTheStartAndIntervalZeroStops) {
    ui::Timer t2("Timer2", 10, true);
    int ticks = 0;
    t2.onTimer = [&] { ++ticks; };
    w.form.addTimer(t2);
    w.form.onCreate = [&] { EXPECT_EQ(ticks, 0); };
    platform.build(w.form);
    spin(100);
    EXPECT_GE(ticks, 3);
    t2.setInterval(0);
    const int stopped = ticks;
    spin(50);
    EXPECT_EQ(ticks, stopped);
    platform.close();  // before t2 goes
}

TEST_F(QtTest, PostedFunctionsRunOnTheUiThread) {
    platform.build(w.form);
    const auto uiThread = std::this_thread::get_id();
    std::thread::id ranOn;
    std::thread worker([&] {
        platform.services().postToUi([&] { ranOn = std::this_thread::get_id(); });
        platform.services().postToUi([] { throw std::runtime_error("from the audio thread"); });
    });
    worker.join();
    spin(20);
    EXPECT_EQ(ranOn, uiThread);
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"from the audio thread."});
}

TEST_F(QtTest, ServicesNameTheProgramFolder) {
    const std::string dir = platform.services().programDir;
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(dir + "ui_qt_tests"));
}

}  // namespace

namespace {

TEST_F(QtTest, TheBlockingPauseAnswersTheDeviceBellAndNothingElse) {
    int ticks = 0, posted = 0, answers = 0;
    w.timer.onTimer = [&] { ++ticks; };
    w.timer.setInterval(10);
    w.timer.start();
    platform.build(w.form);
    base::Doorbell& bell = *platform.services().deviceBell;
    bell.setAnswer([&] { ++answers; });
    // A handler pauses for 150 ms; meanwhile a device thread rings every 10 ms and something is posted.
    std::atomic<bool> stop{false};
    std::thread device([&] {
        while (!stop.load()) {
            bell.ring();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    platform.services().postToUi([&] { ++posted; });
    const auto started = std::chrono::steady_clock::now();
    platform.services().clock.sleepMs(150);
    const auto took = std::chrono::steady_clock::now() - started;
    const int answeredInPause = answers;
    stop.store(true);
    device.join();
    EXPECT_GE(took, std::chrono::milliseconds(150));
    EXPECT_GE(answeredInPause, 5);  // the device was served all along
    EXPECT_EQ(ticks, 0);            // no timer, no posted function ran inside the handler
    EXPECT_EQ(posted, 0);
    spin(50);
    EXPECT_EQ(posted, 1);
    EXPECT_GE(ticks, 1);
    bell.setAnswer(nullptr);
}

TEST_F(QtTest, TheEventLoopAnswersTheDeviceBell) {
    platform.build(w.form);
    base::Doorbell& bell = *platform.services().deviceBell;
    std::thread::id answeredOn;
    int answers = 0;
    bell.setAnswer([&] {
        answeredOn = std::this_thread::get_id();
        ++answers;
    });
    std::thread device([&] {
        bell.ring();
        bell.ring();  // before the answer: one wake-up for both
    });
    device.join();
    spin(30);
    EXPECT_EQ(answers, 1);
    EXPECT_EQ(answeredOn, std::this_thread::get_id());
    bell.setAnswer(nullptr);
}

}  // namespace

namespace {

// A timer whose tick has nothing to do stops waking the program; a handler that gives it work wakes it.
TEST_F(QtTest, ATimerWithNothingToDoSleepsUntilAHandlerGivesItWork) {
    int ticks = 0;
    bool work = false;
    w.timer.onTimer = [&] { ++ticks; };
    w.timer.nothingToDo = [&] { return !work; };
    w.timer.start();
    QWidget* top = platform.build(w.form);
    auto* window = dynamic_cast<ui::qt::FormWindow*>(top);
    ASSERT_NE(window, nullptr);
    const ui::qt::TimerBinding& binding = *window->bindingOf(w.timer);
    spin(200);
    EXPECT_EQ(ticks, 0);
    EXPECT_TRUE(binding.resting());
    EXPECT_EQ(binding.wakeups(), 1);  // the first due tick found nothing to do
    // Work given outside a handler is not seen until one runs.
    work = true;
    spin(50);
    EXPECT_EQ(ticks, 0);
    platform.services().dispatcher.run([] {});
    spin(100);
    EXPECT_GE(ticks, 3);
    EXPECT_FALSE(binding.resting());
    // A tick that settles its work rests at once, without waking at the next beat to find so.
    w.timer.onTimer = [&] { work = false; };
    const int before = binding.wakeups();
    spin(200);
    EXPECT_TRUE(binding.resting());
    EXPECT_EQ(binding.wakeups() - before, 1);
    w.timer.nothingToDo = nullptr;
}

// Woken by a handler, a timer quicker than a frame ticks in that turn of the event loop rather than waking
// the program again a moment later; a slower one waits for its old beat.
TEST_F(QtTest, AQuickTimerWokenByAHandlerTicksAtOnceASlowOneOnItsBeat) {
    int ticks = 0;
    bool work = false;
    w.timer.onTimer = [&] {
        ++ticks;
        work = false;
    };
    w.timer.nothingToDo = [&] { return !work; };
    w.timer.start();
    QWidget* top = platform.build(w.form);
    const ui::qt::TimerBinding& binding = *dynamic_cast<ui::qt::FormWindow*>(top)->bindingOf(w.timer);
    for (int interval : {10, 500}) {
        w.timer.setInterval(interval);
        spin(interval + 50);
        ASSERT_TRUE(binding.resting());
        ticks = 0;
        work = true;
        platform.services().dispatcher.run([] {});
        QCoreApplication::processEvents();
        EXPECT_EQ(ticks, interval == 10 ? 1 : 0) << interval;
        spin(interval + 50);
        EXPECT_EQ(ticks, 1) << interval;
    }
    w.timer.nothingToDo = nullptr;
}

}  // namespace
