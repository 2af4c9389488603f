// Runs one window timer on a Qt timer: precise, restarted by a new interval, ticks through the dispatcher.
// A timer with nothing to do rests: the Qt timer stops, so the program sleeps, until a handler that has run
// gives it work again; it then goes on at its old beat, or at once when it beats within a frame.
#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include "ui/core/Dispatcher.h"
#include "ui/core/Timer.h"

namespace ui::qt {

class TimerBinding : public ui::TimerObserver, public ui::Dispatcher::Watcher {
  public:
    TimerBinding(ui::Timer& timer, ui::Dispatcher& dispatcher);
    ~TimerBinding() override;
    TimerBinding(const TimerBinding&) = delete;
    TimerBinding& operator=(const TimerBinding&) = delete;

    void timerChanged(ui::Timer& timer) override;
    void handlerRan() override;
    const ui::Timer& timer() const { return timer_; }
    const QTimer& qtimer() const { return qtimer_; }
    // Whether it rests; how often its Qt timer woke the program (for tests).
    bool resting() const { return resting_; }
    int wakeups() const { return wakeups_; }
    // A timer this quick, woken from its rest, ticks at once (a frame of a 60 Hz screen).
    static constexpr int kWithinAFrameMs = 16;

  private:
    void tick();
    void rest();

    ui::Timer& timer_;
    ui::Dispatcher& dispatcher_;
    QTimer qtimer_;
    QElapsedTimer sinceDue_;   // since the last tick fell due
    bool ticking_ = false;     // the handler is running (it may have opened a modal box)
    bool resting_ = false;     // stopped with nothing to do
    bool catchingUp_ = false;  // woken between two beats: the next tick falls on the old beat
    int wakeups_ = 0;
};

}  // namespace ui::qt
