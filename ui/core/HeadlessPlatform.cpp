// The display-less platform for tests and tools.
#include "ui/core/HeadlessPlatform.h"

namespace ui {

HeadlessPlatform::HeadlessPlatform(std::string programDir, std::uint64_t seed)
    : random(seed), services_{clock, dialogs, random,  dispatcher, std::move(programDir),
                              {},    {},      nullptr, {},         nullptr} {
    services_.postToUi = [this](std::function<void()> fn) { posted_.push_back(std::move(fn)); };
    services_.dataDir = services_.programDir;
    services_.settings = &settings;
    services_.deviceBell = &deviceBell;
}

bool HeadlessPlatform::key(Form& form, const KeyEvent& e) {
    bool taken = false;
    dispatcher.run([&] { taken = form.playKeyDown(e) || form.keyDown(e); });
    return taken;
}

void HeadlessPlatform::start(Form& form) {
    for (Timer* t : form.timers()) timers_.attach(*t);
    dispatcher.run(form.onCreate);
}

void HeadlessPlatform::advance(std::int64_t ms) {
    timers_.advance(ms);
    drainPosted();
}

void HeadlessPlatform::drainPosted() {
    dispatcher.run([this] { deviceBell.answer(); });
    while (!posted_.empty()) {
        auto fn = std::move(posted_.front());
        posted_.pop_front();
        dispatcher.run(fn);
    }
}

}  // namespace ui
