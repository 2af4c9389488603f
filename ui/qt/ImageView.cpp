// Image painting straight from the picture's pixels (no copy unless transparent).
#include "ui/qt/ImageView.h"

#include <QPainter>

#include "ui/qt/QtKeys.h"

namespace ui::qt {
namespace {

// The picture's pixels seen as a Qt image; 0xFFRRGGBB is Qt's RGB32 layout.
QImage view(const base::Bitmap& b) {
    return QImage(reinterpret_cast<const uchar*>(b.data()), b.width(), b.height(), b.width() * 4,
                  QImage::Format_RGB32);
}

}  // namespace

void ImageView::applyOwn() {
    maskedStale_ = true;
    update();
}

const QImage& ImageView::masked() {
    if (!maskedStale_) return masked_;
    const base::Bitmap& b = model().picture();
    masked_ = QImage(b.width(), b.height(), QImage::Format_ARGB32);
    const std::uint32_t key = b.pixel(0, b.height() - 1);
    for (int y = 0; y < b.height(); ++y) {
        const std::uint32_t* src = b.data() + static_cast<std::size_t>(y) * b.width();
        auto* dst = reinterpret_cast<std::uint32_t*>(masked_.scanLine(y));
        for (int x = 0; x < b.width(); ++x) dst[x] = src[x] == key ? 0u : src[x];
    }
    maskedStale_ = false;
    return masked_;
}

void ImageView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (const base::Bitmap& b = model().picture(); !b.empty()) {  // no picture yet: what lies behind shows
        const QImage img = model().transparent() ? masked() : view(b);
        // No smooth transform: a scaled window and a high-density screen both repeat each pixel whole
        // (nearest neighbour), so the blocks keep their sharp edges.
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        if (model().stretch())
            p.drawImage(rect(), img);
        else
            p.drawImage(QRect(0, 0, b.width() * scale(), b.height() * scale()), img);
    }
    if (focusMark_.shown(*this)) {
        const ui::Rect f = model().focusBox();
        const int s = scale();
        FocusMark::draw(p, f.width > 0 ? QRect(f.left * s, f.top * s, f.width * s, f.height * s) : rect(), s);
    }
}

void ImageView::keyPressEvent(QKeyEvent* event) {
    const ui::KeyEvent key = modelKey(*event);
    bool taken = false;
    if (key.key != 0 && model().onKeyDown) dispatcher_.run([&] { taken = model().onKeyDown(key); });
    if (!taken) QWidget::keyPressEvent(event);
}

void ImageView::focusInEvent(QFocusEvent* event) {
    focusMark_.focusIn(*event);
    update();
    QWidget::focusInEvent(event);
}

void ImageView::focusOutEvent(QFocusEvent* event) {
    focusMark_.focusOut(*event);
    update();
    QWidget::focusOutEvent(event);
}

}  // namespace ui::qt
