// Timer ticks on the event loop, and the rest of a timer with nothing to do.
#include "ui/qt/TimerBinding.h"

namespace ui::qt {

TimerBinding::TimerBinding(ui::Timer& timer, ui::Dispatcher& dispatcher)
    : timer_(timer), dispatcher_(dispatcher) {
    qtimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&qtimer_, &QTimer::timeout, [this] { tick(); });
    timer_.setObserver(this);
    dispatcher_.addWatcher(*this);
    timerChanged(timer_);
}

TimerBinding::~TimerBinding() {
    dispatcher_.removeWatcher(*this);
    timer_.setObserver(nullptr);
}

void TimerBinding::timerChanged(ui::Timer&) {
    resting_ = false;
    catchingUp_ = false;
    sinceDue_.start();
    if (timer_.running())
        qtimer_.start(timer_.interval());  // restarts the count
    else
        qtimer_.stop();
}

void TimerBinding::tick() {
    ++wakeups_;
    sinceDue_.start();
    if (catchingUp_) {
        catchingUp_ = false;
        qtimer_.start(timer_.interval());
    }
    // A tick that comes while the same handler still runs (an error box it opened keeps the event loop
    // turning) is dropped, so a failing tick shows one box at a time instead of a pile of them.
    if (ticking_) return;
    if (timer_.restsNow()) {
        rest();
        return;
    }
    ticking_ = true;
    dispatcher_.run(timer_.onTimer);
    ticking_ = false;
    // A tick that settled everything rests at once rather than waking at the next beat to find so: any
    // handler that gives it work again wakes it onto its old beat.
    if (timer_.running() && timer_.restsNow()) rest();
}

void TimerBinding::rest() {
    qtimer_.stop();
    resting_ = true;
}

// Woken between two beats, the timer waits for the next one, so its ticks fall where they would have fallen
// had it never rested. A timer that beats within a frame ticks at this turn of the event loop instead: the
// screen cannot tell its beat, and the program is not woken again a few milliseconds later for it.
void TimerBinding::handlerRan() {
    if (!resting_ || !timer_.running() || timer_.restsNow()) return;
    resting_ = false;
    const qint64 interval = timer_.interval();
    const qint64 wait = interval <= kWithinAFrameMs ? 0 : interval - sinceDue_.elapsed() % interval;
    catchingUp_ = wait != interval;
    qtimer_.start(static_cast<int>(wait));
}

}  // namespace ui::qt
