// Control tree and change notification.
#include "ui/core/Control.h"

namespace ui {
namespace {

thread_local std::uint64_t changesOnThread = 0;

}  // namespace

Control::Control(std::string name, Rect bounds, bool visible)
    : name_(std::move(name)), bounds_(bounds), visible_(visible) {}

void Control::add(Control& child) {
    child.parent_ = this;
    children_.push_back(&child);
}

std::uint64_t Control::changesOnThisThread() {
    return changesOnThread;
}

void Control::changed() {
    ++changesOnThread;
    pixelsChanged();
}

void Control::pixelsChanged() {
    ++revision_;
    if (observer_) observer_->controlChanged(*this);
}

void Control::repaint() {
    if (observer_) observer_->repaintNow(*this);
}

}  // namespace ui
