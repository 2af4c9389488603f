// The pads' events as keys on the UI thread, and the pace the pads are read at.
#include "app/GamePad.h"

#include <cstdlib>

#include "ui/sdl/SdlGamepad.h"

namespace app {

GamePad::GamePad(ui::Services& services, ui::Form& form, engine::PlayEngine& engine)
    : services_(services), form_(form), engine_(engine) {
    const char* script = std::getenv(kPadScriptVariable);
    const std::string mappings = services.dataDir.empty() ? std::string() : services.dataDir + kMappingFile;
    // The pad thread hands each look over to the UI thread; this outlives the thread (see the destructor).
    pads_ = ui::SdlGamepad::create(
        [this](const std::vector<ui::PadEvent>& events) {
            services_.postToUi([this, events] { received(events); });
        },
        mappings, script ? script : "");
}

GamePad::~GamePad() {
    pads_.reset();  // the thread ends here; what it posted and did not run yet is dropped with the loop
}

void GamePad::received(const std::vector<ui::PadEvent>& events) {
    if (!pads_) return;
    const std::int64_t now = services_.clock.nowMs();
    using Kind = ui::PadEvent::Kind;
    bool stickMoved = false;
    for (const ui::PadEvent& e : events) {
        switch (e.kind) {
            case Kind::Button:
                for (const ui::KeyEvent& k : input_.button(e.index, e.value != 0, now)) offer(k);
                break;
            case Kind::Stick:
                stick_[e.index != 0 ? 1 : 0] = e.value;
                stickMoved = true;
                break;
            case Kind::Unplugged:
                if (e.value == 0) {
                    stick_[0] = stick_[1] = 0;
                    stickMoved = false;
                    for (const ui::KeyEvent& k : input_.unplugged()) offer(k);
                }
                break;
            case Kind::Plugged:
            case Kind::Still:
                break;
        }
    }
    if (stickMoved)
        for (const ui::KeyEvent& k : input_.stick(stick_[0], stick_[1], now)) offer(k);
    for (const ui::KeyEvent& k : input_.repeat(now)) offer(k);
    const engine::PauseControl& pause = engine_.pauseControl();
    pads_->setPollMs(pause.playGoingOn() && !pause.paused() ? kPlayPollMs : kPanelPollMs);
}

void GamePad::offer(const ui::KeyEvent& k) {
    if (k.released) {
        form_.playKeyUp(k);
        return;
    }
    const ui::KeyEvent key = engine::PadInput::panelKey(k);
    // A on the control the keyboard or the shoulders marked works that control, as Enter does.
    const bool worksMarked = key.key == ui::keys::Enter && form_.focusMarked();
    if (!worksMarked && (form_.playKeyDown(k) || form_.keyDown(k))) return;
    if (key.key != 0) form_.typeKey(key);
}

}  // namespace app
