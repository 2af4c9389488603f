// Virtual-time scheduling of window timers.
#include "ui/core/VirtualTimerHost.h"

namespace ui {

VirtualTimerHost::~VirtualTimerHost() {
    for (auto& e : entries_) e.timer->setObserver(nullptr);
}

void VirtualTimerHost::attach(Timer& timer) {
    timer.setObserver(this);
    entries_.push_back({&timer, clock_.nowMs() + timer.interval()});
}

void VirtualTimerHost::timerChanged(Timer& timer) {
    for (auto& e : entries_)
        if (e.timer == &timer) e.due = clock_.nowMs() + timer.interval();
}

void VirtualTimerHost::timerGone(Timer& timer) {
    std::erase_if(entries_, [&](const Entry& e) { return e.timer == &timer; });
}

void VirtualTimerHost::advance(std::int64_t ms) {
    const std::int64_t end = clock_.nowMs() + ms;
    for (;;) {
        Entry* next = nullptr;
        for (auto& e : entries_)
            if (e.timer->running() && e.due <= end && (!next || e.due < next->due)) next = &e;
        if (!next) break;
        if (next->due > clock_.nowMs()) clock_.setNow(next->due);
        Timer* t = next->timer;
        // A tick with nothing to do is left out; the beat goes on. A handler that pauses moves the clock on;
        // the next tick counts from when it ends.
        if (!t->restsNow()) dispatcher_.run(t->onTimer);
        for (auto& e : entries_)
            if (e.timer == t && e.due <= clock_.nowMs()) e.due = clock_.nowMs() + t->interval();
    }
    if (clock_.nowMs() < end) clock_.setNow(end);
}

}  // namespace ui
