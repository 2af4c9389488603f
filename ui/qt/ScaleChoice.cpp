// Reading, stepping and remembering the window scale.
#include "ui/qt/ScaleChoice.h"

#include <algorithm>

namespace ui::qt {
namespace {

// Higher factors only come from hand-edited settings; no screen holds even the smallest window at 64x.
constexpr int kMaxFactor = 64;

}  // namespace

ScaleChoice::Step ScaleChoice::stepOf(const ui::KeyEvent& e) {
    if (!e.ctrl || e.alt) return Step::None;
    switch (e.key) {
        case '+':
        case '=':
            return Step::Larger;
        case '-':
            return Step::Smaller;
        case '0':
            return Step::Automatic;
        default:
            return Step::None;
    }
}

int ScaleChoice::largestFitting(int width, int height, int roomWidth, int roomHeight) {
    if (width <= 0 || height <= 0) return 1;
    return std::clamp(std::min(roomWidth / width, roomHeight / height), 1, kMaxFactor);
}

ScaleChoice::ScaleChoice(base::Settings* settings) : settings_(settings) {
    // A negative or absurd value in the file counts as automatic rather than as a broken window.
    const int stored = settings_ ? settings_->get(kKey, 0) : 0;
    chosen_ = stored > 0 && stored <= kMaxFactor ? stored : 0;
}

int ScaleChoice::factor(int largest) const {
    return std::clamp(chosen_, 1, std::max(largest, 1));
}

int ScaleChoice::take(Step step, int shown, int largest) {
    switch (step) {
        case Step::None:
            return shown;
        case Step::Automatic:
            if (chosen_ != 0) remember(0);
            return factor(largest);
        case Step::Larger:
        case Step::Smaller: {
            const int next =
                std::clamp(step == Step::Larger ? shown + 1 : shown - 1, 1, std::max(largest, 1));
            if (next != shown) remember(next);
            return next;
        }
    }
    return shown;
}

void ScaleChoice::remember(int choice) {
    chosen_ = choice;
    if (settings_) settings_->set(kKey, choice);
}

}  // namespace ui::qt
