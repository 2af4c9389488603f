// Runs a window with no display: virtual clock, scripted dialogs, seeded random, timers on virtual time.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "base/Clock.h"
#include "base/Doorbell.h"
#include "base/Random.h"
#include "ui/core/Dialogs.h"
#include "ui/core/Dispatcher.h"
#include "ui/core/Form.h"
#include "ui/core/Services.h"
#include "ui/core/VirtualTimerHost.h"

namespace ui {

class HeadlessPlatform {
  public:
    explicit HeadlessPlatform(std::string programDir, std::uint64_t seed = 1);

    Services& services() { return services_; }
    base::VirtualClock clock;
    ScriptedDialogs dialogs;
    base::Random random;
    Dispatcher dispatcher{dialogs};
    base::Settings settings;    // memory only unless a test replaces it
    base::Doorbell deviceBell;  // answered by drainPosted()

    // Attaches the form's timers and runs its creation handler.
    void start(Form& form);
    // Moves virtual time on, firing timers and then posted functions.
    void advance(std::int64_t ms);
    // Runs a handler as the window would (errors go to dialogs.errors).
    void handle(const std::function<void()>& handler) { dispatcher.run(handler); }
    // Sends a key press to the form as the window would, through the dispatcher; true when a handler took it.
    bool key(Form& form, const KeyEvent& e);
    // Runs functions posted with postToUi.
    void drainPosted();

  private:
    Services services_;
    VirtualTimerHost timers_{clock, dispatcher};
    std::deque<std::function<void()>> posted_;
};

}  // namespace ui
