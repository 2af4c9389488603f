// Runs one window timer on a Qt timer: precise, restarted by a new interval, ticks through the dispatcher.
#pragma once

#include <QTimer>

#include "ui/core/Dispatcher.h"
#include "ui/core/Timer.h"

namespace ui::qt {

class TimerBinding : public ui::TimerObserver {
  public:
    TimerBinding(ui::Timer& timer, ui::Dispatcher& dispatcher);
    ~TimerBinding() override;
    TimerBinding(const TimerBinding&) = delete;
    TimerBinding& operator=(const TimerBinding&) = delete;

    void timerChanged(ui::Timer& timer) override;
    const ui::Timer& timer() const { return timer_; }
    const QTimer& qtimer() const { return qtimer_; }

  private:
    void tick();

    ui::Timer& timer_;
    ui::Dispatcher& dispatcher_;
    QTimer qtimer_;
    bool ticking_ = false;  // the handler is running (it may have opened a modal box)
};

}  // namespace ui::qt
