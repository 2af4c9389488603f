// What the player can see of a window: only that takes the keyboard focus and is offered to screen readers.
#pragma once

#include <QWidget>

namespace ui::qt {

// Whether w can be seen: shown, its middle inside its window's client area (the panels that wait below it
// are never seen), and not under an opaque sibling laid over it (a panel over the play screen, the runner's
// stage button over its prompts).
bool seen(const QWidget& w);

// Whether w may take the keyboard focus: seen and enabled, and taking it by Tab.
bool reachable(const QWidget& w);

}  // namespace ui::qt
