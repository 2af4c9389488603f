// Seen widgets: visible, inside the window and uncovered.
#include "ui/qt/SeenWidgets.h"

#include "ui/qt/ControlView.h"

namespace ui::qt {
namespace {

bool opaque(const QWidget& w) {
    const auto* view = dynamic_cast<const ControlView*>(&w);
    return view && view->opaque();
}

// Whether a sibling laid over w (created after it) hides it whole.
bool covered(const QWidget& w) {
    const QWidget* parent = w.parentWidget();
    bool above = false;
    for (const QObject* o : parent->children()) {
        if (o == &w) {
            above = true;
            continue;
        }
        if (!above || !o->isWidgetType()) continue;
        const auto& sibling = static_cast<const QWidget&>(*o);
        if (!sibling.isHidden() && opaque(sibling) && sibling.geometry().contains(w.geometry())) return true;
    }
    return false;
}

}  // namespace

bool seen(const QWidget& w) {
    if (!w.isVisible()) return false;
    const QWidget* window = w.window();
    if (&w == window) return true;
    if (!window->rect().contains(w.mapTo(window, w.rect().center()))) return false;
    for (const QWidget* level = &w; level != window; level = level->parentWidget())
        if (covered(*level)) return false;
    return true;
}

bool reachable(const QWidget& w) {
    return (w.focusPolicy() & Qt::TabFocus) != 0 && w.isEnabled() && seen(w);
}

}  // namespace ui::qt
