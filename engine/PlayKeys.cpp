// Keyboard play through the mouse's handlers.
#include "engine/PlayKeys.h"

#include <algorithm>
#include <utility>

#include "engine/BlockGrid.h"
#include "engine/ForwardPlayEvents.h"
#include "engine/PlayEngine.h"

namespace engine {
namespace {

bool isKey(const ui::KeyEvent& k, int a, int b) {
    return k.key == a || k.key == b;
}

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
        if (!k.autoRepeat) turnOnCtrlRelease_ = true;
        return false;  // the press itself does nothing
    }
    turnOnCtrlRelease_ = false;
    if (k.alt || !fieldTakesKeys()) return false;
    if (k.key == ui::keys::Enter) return !k.autoRepeat ? pressBigButton() : false;
    if (isKey(k, ui::keys::Left, 'A') || isKey(k, ui::keys::Right, 'D')) {
        const int columns = k.shift ? kShiftColumns : 1;
        moveBar(isKey(k, ui::keys::Left, 'A') ? -columns : columns);
        return true;
    }
    ui::MouseButton button;
    if (k.key == ' ')
        button = ui::MouseButton::Left;
    else if (k.key == 'X')
        button = ui::MouseButton::Right;
    else
        return false;
    // A held button does not click again, as a held mouse button does not.
    if (!k.autoRepeat) e_.main_boxMouseDown(button);
    return true;
}

void PlayKeys::released(const ui::KeyEvent& k) {
    if (k.key != ui::keys::Control || k.autoRepeat || !std::exchange(turnOnCtrlRelease_, false)) return;
    if (fieldTakesKeys()) e_.main_boxMouseDown(ui::MouseButton::Right);
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

void forwardPlayKeys(PlayEngine& e, ui::Form& form, std::vector<const ui::Control*> panels) {
    form.addPlayKeyHandler(
        [keys = PlayKeys(e, std::move(panels))](const ui::KeyEvent& k) mutable { return keys.key(k); });
}

}  // namespace engine
