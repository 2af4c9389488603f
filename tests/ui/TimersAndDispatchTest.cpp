// Virtual timers fire in time order; handlers' errors become one error box each and the program goes on.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "base/IoError.h"
#include "ui/core/Dispatcher.h"
#include "ui/core/VirtualTimerHost.h"

namespace {

class VirtualTimers : public ::testing::Test {
  protected:
    base::VirtualClock clock;
    ui::ScriptedDialogs dialogs;
    ui::Dispatcher dispatcher{dialogs};
    ui::VirtualTimerHost host{clock, dispatcher};
    std::vector<std::string> fired;

    void record(ui::Timer& t) {
        t.onTimer = [this, &t] { fired.push_back(t.name() + "@" + std::to_string(clock.nowMs())); };
        host.attach(t);
    }
    // How often a 10 ms timer whose handler runs body ticks in ms of virtual time.
    int ticksOfATenMsTimer(int ms, const std::function<void()>& body) {
        ui::Timer t("t", 10, true);
        host.attach(t);
        int ticks = 0;
        t.onTimer = [&] {
            ++ticks;
            body();
        };
        host.advance(ms);
        return ticks;
    }
};

TEST_F(VirtualTimers, FireInTimeOrderTiesInAttachOrder) {
    ui::Timer a("a", 30, true), b("b", 20, true), off("off", 10, false);
    record(a);
    record(b);
    record(off);
    host.advance(60);
    EXPECT_EQ(fired, (std::vector<std::string>{"b@20", "a@30", "b@40", "a@60", "b@60"}));
    EXPECT_EQ(clock.nowMs(), 60);
}

TEST_F(VirtualTimers, NewIntervalRestartsTheCountAndStopHolds) {
    ui::Timer t("t", 100, true);
    record(t);
    host.advance(50);
    t.setInterval(30);  // counts from 50
    host.advance(40);
    EXPECT_EQ(fired, (std::vector<std::string>{"t@80"}));
    t.stop();
    host.advance(100);
    EXPECT_EQ(fired.size(), 1u);
    t.start();
    host.advance(30);
    EXPECT_EQ(fired.back(), "t@220");
}

TEST_F(VirtualTimers, APausingHandlerPushesItsNextTick) {
    EXPECT_EQ(ticksOfATenMsTimer(100, [&] { clock.sleepMs(25); }), 3);  // ticks at 10, 45, 80
}

TEST_F(VirtualTimers, AFailingTickIsReportedAndTheTimerKeepsFiring) {
    EXPECT_EQ(ticksOfATenMsTimer(30, [] { throw base::IoError(base::IoCode::FileNotFound); }), 3);
    EXPECT_EQ(dialogs.errors, (std::vector<std::string>(3, "ﾌｧｲﾙが見つかりません.")));
}

TEST(Dispatcher, ReportsTheMessageWithAFullStopAndGoesOn) {
    ui::ScriptedDialogs dialogs;
    ui::Dispatcher d(dialogs);
    bool after = false;
    d.run([] { throw std::runtime_error("ﾌｧｲﾙ /x/cg/usu1.bmp は開けません"); });
    d.run([] { throw 42; });
    d.run(nullptr);
    d.run([&] { after = true; });
    EXPECT_TRUE(after);
    EXPECT_EQ(dialogs.errors,
              (std::vector<std::string>{"ﾌｧｲﾙ /x/cg/usu1.bmp は開けません.", "I/O ｴﾗｰ (0)."}));
}

}  // namespace
