// Counts the ticks of each timer of a form from when it is made (wrapping their handlers).
#pragma once

#include <map>
#include <string>

#include "ui/core/Form.h"

namespace enginetest {

class TickCounter {
  public:
    explicit TickCounter(ui::Form& form) {
        for (ui::Timer* t : form.timers())
            t->onTimer = [this, t, tick = t->onTimer] {
                ++ticks_[t->name()];
                if (tick) tick();
            };
    }
    int of(const std::string& timer) const {
        const auto it = ticks_.find(timer);
        return it == ticks_.end() ? 0 : it->second;
    }
    int all() const {
        int n = 0;
        for (const auto& [name, count] : ticks_) n += count;
        return n;
    }
    void reset() { ticks_.clear(); }

  private:
    std::map<std::string, int> ticks_;
};

}  // namespace enginetest
