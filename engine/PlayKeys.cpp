// Keyboard play through the mouse's handlers.
#include "engine/PlayKeys.h"

#include <algorithm>
#include <utility>

#include "engine/BlockGrid.h"
#include "engine/ForwardPlayEvents.h"
#include "engine/PlayEngine.h"

namespace engine {
namespace {

// The phase shows the button (see showPhase); a window without it takes no Enter.
bool click(ui::Button* b) {
    if (!b || !b->onClick) return false;
    b->onClick();
    return true;
}

}  // namespace

bool PlayKeys::key(const ui::KeyEvent& k) {
    if (k.released) {
        released(k);
        return false;
    }
    if (k.key == ui::keys::Control) {
        // The press itself does nothing: an action bound to Ctrl comes on its release.
        if (!k.autoRepeat) actOnCtrlRelease_ = true;
        return false;
    }
    actOnCtrlRelease_ = false;
    if (k.key == ui::keys::PadGone) return e_.pauseControl().pause();
    const std::optional<PlayAction> action = bindings_.actionOf(k.key);
    if (!action || k.alt || !fieldTakesKeys()) return false;
    return act(*action, k);
}

bool PlayKeys::act(PlayAction action, const ui::KeyEvent& k) {
    switch (action) {
        case PlayAction::Left:
        case PlayAction::Right: {
            const int columns = k.shift ? kShiftColumns : 1;
            moveBar(action == PlayAction::Left ? -columns : columns);
            return true;
        }
        case PlayAction::Ready:
            return !k.autoRepeat ? pressBigButton() : false;
        case PlayAction::Serve:
            // The pad has no Enter of its own: its serve button presses the big button that is shown.
            if (ui::isPadKey(k.key) && !k.autoRepeat && pressBigButton()) return true;
            [[fallthrough]];
        case PlayAction::Turn:
            // A held button does not click again, as a held mouse button does not.
            if (!k.autoRepeat)
                e_.main_boxMouseDown(action == PlayAction::Serve ? ui::MouseButton::Left
                                                                 : ui::MouseButton::Right);
            return true;
        case PlayAction::Pause:
            return false;  // the window's pause key (forwardPauseEvents)
    }
    return false;
}

void PlayKeys::released(const ui::KeyEvent& k) {
    if (k.key != ui::keys::Control || k.autoRepeat || !std::exchange(actOnCtrlRelease_, false)) return;
    const std::optional<PlayAction> action = bindings_.actionOf(k.key);
    if (action && fieldTakesKeys()) act(*action, ui::KeyEvent{.key = k.key});
}

bool PlayKeys::fieldTakesKeys() const {
    const PlayPhase phase = e_.phase();
    if (phase == PlayPhase::StartPanel || phase == PlayPhase::EndPanel) return false;
    return std::none_of(panels_.begin(), panels_.end(), [](const ui::Control* p) { return p->visible(); });
}

void PlayKeys::moveBar(int columns) {
    const tmy& my = e_.state().my;
    const int half = std::max(0, static_cast<int>(my.barHalfWidth));
    const int column = std::clamp(my.barX + columns, half + 1, std::max(half + 1, kFieldCols - half));
    e_.main_boxMouseMove((column - 1) * kCellWidth + kCellWidth / 2, 0);
}

bool PlayKeys::pressBigButton() {
    PlayControls& c = e_.controls();
    const PlayPhase phase = e_.phase();
    if (readyWaits(phase)) return click(c.ok_b);
    if (endWaits(phase)) return click(c.end_b);
    return false;
}

void forwardPlayKeys(PlayEngine& e, ui::Form& form, std::vector<const ui::Control*> panels,
                     const PlayBindings& bindings) {
    form.addPlayKeyHandler([keys = PlayKeys(e, std::move(panels), bindings)](const ui::KeyEvent& k) mutable {
        return keys.key(k);
    });
}

}  // namespace engine
