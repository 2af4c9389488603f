// Error containment for handlers.
#include "ui/core/Dispatcher.h"

#include <exception>

#include "base/Translation.h"

namespace ui {

void Dispatcher::run(const std::function<void()>& handler) noexcept {
    if (!handler) return;
    runHandler(handler);
    tellWatchers();
}

void Dispatcher::runHandler(const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& e) {
        try {
            dialogs_.error(std::string(e.what()) + ".");
        } catch (...) {
        }
    } catch (...) {
        try {
            dialogs_.error(base::fillIn(base::translate("Errors", "I/O ｴﾗｰ (%1)"), "0") + ".");
        } catch (...) {
        }
    }
}

void Dispatcher::tellWatchers() noexcept {
    for (Watcher* w : watchers_) w->handlerRan();
}

}  // namespace ui
