// The play windows' P key, focus and close box, wired to the engine's pause.
#include "engine/ForwardPlayEvents.h"

namespace engine {
namespace {

constexpr const char* kPauseOnFocusLoss = "PauseOnFocusLoss";  // zorban.ini: 1 (default) pauses, 0 does not

}  // namespace

void forwardPauseEvents(PlayEngine& e, ui::Form& form, const PlayBindings& bindings) {
    PauseControl& p = e.pauseControl();
    p.useKeys(bindings);
    form.addKeyHandler([&p](const ui::KeyEvent& k) { return p.keyDown(k); });
    form.addActivationHandler([&e, &p](bool active) {
        const base::Settings* settings = e.services().settings;
        p.activationChanged(active, !settings || settings->get(kPauseOnFocusLoss, 1) != 0);
    });
    form.onCloseQuery = [&e, &p] { return p.closeQuery(e.services().dialogs); };
}

}  // namespace engine
