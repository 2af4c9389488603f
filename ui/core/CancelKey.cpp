// Escape as the back button of the panel on top.
#include "ui/core/CancelKey.h"

#include <utility>
#include <vector>

namespace ui {
namespace {

// How many panels lie between the button and the window, or -1 when it or one of them is hidden or it is
// disabled.
int seenDepth(const Control& button) {
    if (!button.enabled()) return -1;
    int depth = 0;
    for (const Control* c = &button; c; c = c->parent()) {
        if (!c->visible()) return -1;
        ++depth;
    }
    return depth;
}

}  // namespace

void addCancelButtons(Form& form, std::initializer_list<Button*> buttons) {
    form.addKeyHandler([list = std::vector<Button*>(buttons)](const KeyEvent& e) {
        if (e.key != keys::Escape || e.ctrl || e.alt || e.released) return false;
        Button* top = nullptr;
        int topDepth = -1;
        for (Button* b : list) {
            const int depth = seenDepth(*b);
            if (depth > topDepth) top = b, topDepth = depth;
        }
        if (!top) return false;
        if (!e.autoRepeat && top->onClick) top->onClick();
        return true;
    });
}

}  // namespace ui
