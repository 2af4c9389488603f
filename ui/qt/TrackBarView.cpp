// Track bar: a horizontal slider.
#include "ui/qt/TrackBarView.h"

namespace ui::qt {

TrackBarView::TrackBarView(ui::TrackBar& bar, ui::Dispatcher& dispatcher, QWidget* parent)
    : ViewOf(bar, Qt::Horizontal, parent) {
    connect(this, &QSlider::valueChanged, this, [this, &dispatcher](int value) {
        if (applying_) return;
        dispatcher.run([this, value] { model().setPosition(value); });
    });
}

void TrackBarView::applyOwn() {
    applying_ = true;
    if (minimum() != model().minimum() || maximum() != model().maximum())
        setRange(model().minimum(), model().maximum());
    if (value() != model().position()) setValue(model().position());
    applying_ = false;
}

}  // namespace ui::qt
