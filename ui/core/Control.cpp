// Control tree and change notification.
#include "ui/core/Control.h"

namespace ui {

Control::Control(std::string name, Rect bounds, bool visible)
    : name_(std::move(name)), bounds_(bounds), visible_(visible) {}

void Control::add(Control& child) {
    child.parent_ = this;
    children_.push_back(&child);
}

void Control::changed() {
    ++revision_;
    if (observer_) observer_->controlChanged(*this);
}

void Control::repaint() {
    if (observer_) observer_->repaintNow(*this);
}

}  // namespace ui
