// Gauge painting: back colour, then the filled part from the left.
#include "ui/qt/GaugeView.h"

#include <QPainter>
#include <algorithm>

#include "ui/qt/ControlAccessible.h"
#include "ui/qt/QtText.h"

namespace ui::qt {

int GaugeView::filledWidth(int width, int minimum, int maximum, int progress) {
    if (maximum <= minimum || width <= 0) return 0;
    const long long span = static_cast<long long>(maximum) - minimum;
    const long long done = std::clamp(static_cast<long long>(progress) - minimum, 0LL, span);
    return static_cast<int>(done * width / span);
}

void GaugeView::applyOwn() {
    if (model().progress() != progress_) {
        if (progress_ && model().announced()) ControlAccessible::announce(*this);
        progress_ = model().progress();
    }
    const Look look{
        filledWidth(model().bounds().width, model().minimum(), model().maximum(), model().progress()),
        model().foreColour(), model().backColour()};
    if (look == shown_) return;
    shown_ = look;
    update();
}

void GaugeView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), qcolour(shown_.back));
    // Whole model pixels, so the edge of the filled part steps as it does at the window's own size.
    if (shown_.filled > 0) p.fillRect(QRect(0, 0, shown_.filled * scale(), height()), qcolour(shown_.fore));
}

}  // namespace ui::qt
