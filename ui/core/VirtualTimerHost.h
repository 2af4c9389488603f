// Runs a form's timers on a virtual clock, so tests step minutes of play in microseconds.
#pragma once

#include <cstdint>
#include <vector>

#include "base/Clock.h"
#include "ui/core/Dispatcher.h"
#include "ui/core/Timer.h"

namespace ui {

class VirtualTimerHost : public TimerObserver {
  public:
    VirtualTimerHost(base::VirtualClock& clock, Dispatcher& dispatcher)
        : clock_(clock), dispatcher_(dispatcher) {}
    ~VirtualTimerHost() override;

    void attach(Timer& timer);
    // Moves the clock on by ms, firing every timer that falls due, in time order (ties in attach order).
    void advance(std::int64_t ms);
    void timerChanged(Timer& timer) override;
    void timerGone(Timer& timer) override;

  private:
    struct Entry {
        Timer* timer;
        std::int64_t due;  // clock time of the next tick
    };
    base::VirtualClock& clock_;
    Dispatcher& dispatcher_;
    std::vector<Entry> entries_;
};

}  // namespace ui
