// Track bar: a horizontal slider.
#include "ui/qt/TrackBarView.h"

namespace ui::qt {

TrackBarView::TrackBarView(ui::TrackBar& bar, ui::Dispatcher& dispatcher, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), ControlView(bar), bar_(bar) {
    connect(this, &QSlider::valueChanged, this, [this, &dispatcher](int value) {
        if (applying_) return;
        dispatcher.run([this, value] { bar_.setPosition(value); });
    });
}

void TrackBarView::applyOwn() {
    applying_ = true;
    if (minimum() != bar_.minimum() || maximum() != bar_.maximum()) setRange(bar_.minimum(), bar_.maximum());
    if (value() != bar_.position()) setValue(bar_.position());
    applying_ = false;
}

}  // namespace ui::qt
