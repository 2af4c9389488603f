// A periodic window timer: interval in milliseconds, enabled flag and handler.
#pragma once

#include <functional>
#include <string>

namespace ui {

class Timer;

// The scheduler that runs timers (the Qt event loop, or a virtual clock in tests).
class TimerObserver {
  public:
    virtual ~TimerObserver() = default;
    virtual void timerChanged(Timer& timer) = 0;
    // The timer is being destroyed; forget it.
    virtual void timerGone(Timer& timer) { (void)timer; }
};

class Timer {
  public:
    Timer(std::string name, int intervalMs, bool enabled)
        : name_(std::move(name)), interval_(intervalMs), enabled_(enabled) {}
    ~Timer() {
        if (observer_) observer_->timerGone(*this);
    }
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    int interval() const { return interval_; }
    // A new interval restarts the count from now, as a window timer does.
    void setInterval(int ms) {
        if (ms == interval_) return;
        interval_ = ms;
        notify();
    }
    bool enabled() const { return enabled_; }
    void setEnabled(bool e) {
        if (e == enabled_) return;
        enabled_ = e;
        notify();
    }
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }
    // Whether it fires: enabled with an interval above 0.
    bool running() const { return enabled_ && interval_ > 0; }

    std::function<void()> onTimer;
    // Asked when a tick falls due: true when the tick could change nothing now, as what it shows and keeps
    // already stands as it would leave it. Such a tick is left out; the timer keeps its beat, and a host may
    // sleep through the ticks left out until a handler has run on the window (see Dispatcher::Watcher).
    std::function<bool()> nothingToDo;
    // Whether a tick due now is left out (an error in the question counts as work to do).
    bool restsNow() const {
        try {
            return nothingToDo && nothingToDo();
        } catch (...) {
            return false;
        }
    }

    void setObserver(TimerObserver* o) { observer_ = o; }

  private:
    void notify() {
        if (observer_) observer_->timerChanged(*this);
    }
    std::string name_;
    int interval_;  // ms
    bool enabled_;
    TimerObserver* observer_ = nullptr;
};

}  // namespace ui
