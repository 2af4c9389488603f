// Timer ticks on the event loop.
#include "ui/qt/TimerBinding.h"

namespace ui::qt {

TimerBinding::TimerBinding(ui::Timer& timer, ui::Dispatcher& dispatcher)
    : timer_(timer), dispatcher_(dispatcher) {
    qtimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&qtimer_, &QTimer::timeout, [this] { tick(); });
    timer_.setObserver(this);
    timerChanged(timer_);
}

TimerBinding::~TimerBinding() {
    timer_.setObserver(nullptr);
}

void TimerBinding::timerChanged(ui::Timer&) {
    if (timer_.running())
        qtimer_.start(timer_.interval());  // restarts the count
    else
        qtimer_.stop();
}

void TimerBinding::tick() {
    // A tick that comes while the same handler still runs (an error box it opened keeps the event loop
    // turning) is dropped, so a failing tick shows one box at a time instead of a pile of them.
    if (ticking_) return;
    ticking_ = true;
    dispatcher_.run(timer_.onTimer);
    ticking_ = false;
}

}  // namespace ui::qt
