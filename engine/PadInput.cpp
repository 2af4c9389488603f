// The pad's buttons and stick as keys, with the repeats of held directions.
#include "engine/PadInput.h"

#include <algorithm>
#include <cstdlib>

namespace engine {
namespace {

namespace k = ui::keys;

constexpr int kDirectionKeys[] = {k::PadUp,   k::PadDown,   k::PadLeft,   k::PadRight,
                                  k::StickUp, k::StickDown, k::StickLeft, k::StickRight};

// Where one axis of the stick points: -1, 0 or 1, with the direction it held kept until it is nearly back.
int pointing(int value, int before) {
    const int limit = before != 0 && (value < 0) == (before < 0) ? PadInput::kLetGo : PadInput::kDeadZone;
    if (std::abs(value) < limit) return 0;
    return value < 0 ? -1 : 1;
}

}  // namespace

int PadInput::slotOf(int key) {
    const auto* it = std::find(std::begin(kDirectionKeys), std::end(kDirectionKeys), key);
    return it == std::end(kDirectionKeys) ? -1 : static_cast<int>(it - std::begin(kDirectionKeys));
}

int PadInput::keyOf(int slot) {
    return kDirectionKeys[slot];
}

std::vector<ui::KeyEvent> PadInput::button(int n, bool down, std::int64_t nowMs) {
    std::vector<ui::KeyEvent> out;
    if (n < 0 || n >= k::PadButtons) return out;
    const int key = k::PadA + n;
    if (const int slot = slotOf(key); slot >= 0) {
        set(slot, down, false, nowMs, out);
        return out;
    }
    out.push_back({.key = key, .released = !down});
    return out;
}

std::vector<ui::KeyEvent> PadInput::stick(int x, int y, std::int64_t nowMs) {
    std::vector<ui::KeyEvent> out;
    const auto axis = [&](int value, int lessSlot, int moreSlot) {
        const int before = held_[lessSlot].down ? -1 : held_[moreSlot].down ? 1 : 0;
        const int now = pointing(value, before);
        const bool fast = std::abs(value) >= kFullPush;
        set(lessSlot, now < 0, fast, nowMs, out);
        set(moreSlot, now > 0, fast, nowMs, out);
    };
    axis(x, slotOf(k::StickLeft), slotOf(k::StickRight));
    axis(y, slotOf(k::StickUp), slotOf(k::StickDown));
    return out;
}

void PadInput::set(int slot, bool down, bool fast, std::int64_t nowMs, std::vector<ui::KeyEvent>& out) {
    Held& h = held_[static_cast<std::size_t>(slot)];
    h.fast = down && fast;
    if (h.down == down) return;
    h.down = down;
    h.nextMs = nowMs + kRepeatDelayMs;
    out.push_back({.key = keyOf(slot), .shift = h.fast, .released = !down});
}

std::vector<ui::KeyEvent> PadInput::repeat(std::int64_t nowMs) {
    std::vector<ui::KeyEvent> out;
    for (int slot = 0; slot < kDirections; ++slot) {
        Held& h = held_[static_cast<std::size_t>(slot)];
        // A late call repeats once: the bar does not jump for the time the pad was not read.
        if (!h.down || nowMs < h.nextMs) continue;
        h.nextMs = std::max(h.nextMs + kRepeatMs, nowMs);
        out.push_back({.key = keyOf(slot), .shift = h.fast, .autoRepeat = true});
    }
    return out;
}

std::vector<ui::KeyEvent> PadInput::unplugged() {
    std::vector<ui::KeyEvent> out;
    for (int slot = 0; slot < kDirections; ++slot) set(slot, false, false, 0, out);
    out.push_back({.key = k::PadGone});
    return out;
}

bool PadInput::holding() const {
    return std::any_of(held_.begin(), held_.end(), [](const Held& h) { return h.down; });
}

ui::KeyEvent PadInput::panelKey(const ui::KeyEvent& pad) {
    struct Panel {
        int pad;
        int key;
        bool shift;
    };
    static constexpr Panel kPanelKeys[] = {
        {k::PadUp, k::Up, false},           {k::StickUp, k::Up, false},
        {k::PadDown, k::Down, false},       {k::StickDown, k::Down, false},
        {k::PadLeft, k::Left, false},       {k::StickLeft, k::Left, false},
        {k::PadRight, k::Right, false},     {k::StickRight, k::Right, false},
        {k::PadA, k::Enter, false},         {k::PadB, k::Escape, false},
        {k::PadLeftShoulder, k::Tab, true}, {k::PadRightShoulder, k::Tab, false},
    };
    ui::KeyEvent key{.autoRepeat = pad.autoRepeat, .released = pad.released};
    for (const Panel& p : kPanelKeys)
        if (p.pad == pad.key) {
            key.key = p.key;
            key.shift = p.shift;
        }
    return key;
}

}  // namespace engine
