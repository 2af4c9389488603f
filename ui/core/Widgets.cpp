// Behaviour of the plain controls that is more than storing a value.
#include "ui/core/Widgets.h"

#include "base/Cp932.h"

namespace ui {

void Edit::userEdited(const std::string& t) {
    setText(t);
    if (onChange) onChange();
}

void Edit::userEntered() {
    if (onEnter) onEnter();
}

bool Edit::accepts(const std::string& proposed) const {
    if (!base::isCp932(proposed)) return false;
    if (maxBytes_ <= 0) return true;
    const std::size_t bytes = base::cp932Length(proposed);
    // Deleting is always allowed, even from a text set longer than the limit by the program.
    return bytes <= static_cast<std::size_t>(maxBytes_) || bytes < base::cp932Length(text_);
}

void ListBox::userSelected(int i) {
    setItemIndex(i);
    if (onClick) onClick();
}

void TrackBar::setPosition(int p) {
    if (p < min_) p = min_;
    if (p > max_) p = max_;
    if (p == position_) return;
    assign(position_, p);
    if (onChange) onChange();
}

}  // namespace ui
