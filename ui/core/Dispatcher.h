// Runs every handler and timer tick: an error that escapes is shown in the error box, and the program goes
// on.
#pragma once

#include <functional>
#include <vector>

#include "ui/core/Dialogs.h"

namespace ui {

class Dispatcher {
  public:
    // Told after each handler has run: what it changed may have given a resting timer work again. It must
    // not add or remove watchers meanwhile.
    class Watcher {
      public:
        virtual ~Watcher() = default;
        virtual void handlerRan() = 0;
    };

    explicit Dispatcher(Dialogs& dialogs) : dialogs_(dialogs) {}
    // Runs handler to its end; an exception ends it there and is reported as "<message>.". Then tells the
    // watchers.
    void run(const std::function<void()>& handler) noexcept;

    // A watcher stays until it is removed; it must be removed before it goes.
    void addWatcher(Watcher& w) { watchers_.push_back(&w); }
    void removeWatcher(Watcher& w) { std::erase(watchers_, &w); }

  private:
    void runHandler(const std::function<void()>& handler) noexcept;
    void tellWatchers() noexcept;

    Dialogs& dialogs_;
    std::vector<Watcher*> watchers_;
};

}  // namespace ui
