// Gauge painting: back colour, then the filled part from the left.
#include "ui/qt/GaugeView.h"

#include <QPainter>
#include <algorithm>

#include "ui/qt/QtText.h"

namespace ui::qt {

int GaugeView::filledWidth(int width, int minimum, int maximum, int progress) {
    if (maximum <= minimum || width <= 0) return 0;
    const long long span = static_cast<long long>(maximum) - minimum;
    const long long done = std::clamp(static_cast<long long>(progress) - minimum, 0LL, span);
    return static_cast<int>(done * width / span);
}

void GaugeView::applyOwn() {
    const int filled =
        filledWidth(model().bounds().width, model().minimum(), model().maximum(), model().progress());
    if (filled == filled_ && fore_ == model().foreColour() && back_ == model().backColour()) return;
    filled_ = filled;
    fore_ = model().foreColour();
    back_ = model().backColour();
    update();
}

void GaugeView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), qcolour(back_));
    // Whole model pixels, so the edge of the filled part steps as it does at the window's own size.
    if (filled_ > 0) p.fillRect(QRect(0, 0, filled_ * scale(), height()), qcolour(fore_));
}

}  // namespace ui::qt
