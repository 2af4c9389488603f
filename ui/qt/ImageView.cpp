// Image painting: a plain picture from its scaled copy, tile by tile; a stretched or transparent one whole.
#include "ui/qt/ImageView.h"

#include <QMetaObject>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "ui/qt/QtKeys.h"

namespace ui::qt {
namespace {

// The picture's pixels seen as a Qt image; 0xFFRRGGBB is Qt's RGB32 layout.
QImage view(const base::Bitmap& b) {
    return QImage(reinterpret_cast<const uchar*>(b.data()), b.width(), b.height(), b.width() * 4,
                  QImage::Format_RGB32);
}

QRegion scaledRegion(const QRegion& region, int factor) {
    QRegion scaled;
    for (const QRect& r : region)
        scaled += QRect(r.x() * factor, r.y() * factor, r.width() * factor, r.height() * factor);
    return scaled;
}

}  // namespace

int ImageView::factor() const {
    // Whole screen ratios only (the platform rounds them), so every pixel covers whole screen pixels.
    return scale() * std::max(1, static_cast<int>(std::lround(devicePixelRatioF())));
}

void ImageView::applyOwn() {
    maskedStale_ = true;
    // The keyboard's cursor cell may have moved without a pixel of the picture changing.
    if (focusMark_.shown(*this)) update();
    if (!plain() || model().picture().empty()) {
        setAttribute(Qt::WA_OpaquePaintEvent, false);
        update();
        return;
    }
    // A frame is drawn as many rectangles, each a change: the tiles are compared once it is done, when the
    // handler has ended.
    if (tilesPending_) return;
    tilesPending_ = true;
    QMetaObject::invokeMethod(
        this, [this] { showChangedTiles(); }, Qt::QueuedConnection);
}

void ImageView::showChangedTiles() {
    tilesPending_ = false;
    if (!plain() || model().picture().empty()) return;
    // A picture that covers the whole box paints every pixel of it: nothing behind needs painting first.
    const base::Bitmap& b = model().picture();
    setAttribute(Qt::WA_OpaquePaintEvent, b.width() * scale() >= width() && b.height() * scale() >= height());
    const bool whole = scaled_.factor() != factor();
    const QRegion changed = takeChanges();
    if (whole)
        update();
    else if (!changed.isEmpty())
        update(scaledRegion(changed, scale()));
}

QRegion ImageView::takeChanges() {
    std::vector<ui::Rect> areas;
    const bool known = model().drawnSince(taken_, areas);
    taken_ = model().drawSerial();
    QRegion drawn;
    for (const ui::Rect& a : areas) drawn += QRect(a.left, a.top, a.width, a.height);
    return scaled_.update(model().picture(), factor(), known ? &drawn : nullptr);
}

void ImageView::bringTilesUpToDate(const QRegion& painting) {
    // The change is taken here, not by the queued comparison: what it changed beyond this paint's region
    // must still be painted.
    const bool whole = scaled_.factor() != factor();
    const QRegion changed = takeChanges();
    tilesPending_ = false;
    const QRegion rest = (whole ? QRegion(rect()) : scaledRegion(changed, scale())) - painting;
    if (!rest.isEmpty()) update(rest);
}

void ImageView::paintScaled(QPainter& p, const QRegion& region) {
    const int f = scaled_.factor(), screen = f / scale();
    QImage& img = scaled_.image();
    img.setDevicePixelRatio(screen);
    const QRect picture(0, 0, img.width() / screen, img.height() / screen);
    for (const QRect& r : region) {
        const QRect part = r & picture;
        if (part.isEmpty()) continue;
        p.drawImage(
            part.topLeft(), img,
            QRect(part.x() * screen, part.y() * screen, part.width() * screen, part.height() * screen));
        paintedPixels_ += static_cast<qint64>(part.width()) * part.height() * screen * screen;
    }
}

void ImageView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    paintPicture(p, event->region());
    if (focusMark_.shown(*this)) {
        const ui::Rect f = model().focusBox();
        const int s = scale();
        FocusMark::draw(p, f.width > 0 ? QRect(f.left * s, f.top * s, f.width * s, f.height * s) : rect(), s);
    }
}

void ImageView::paintPicture(QPainter& p, const QRegion& region) {
    const base::Bitmap& b = model().picture();
    if (b.empty()) return;  // no picture yet: what lies behind shows
    ++paints_;
    if (plain()) {
        // Painted at once inside a handler (an animation), or at a new screen ratio: the copy is brought up
        // to date here; what is painted is what was asked for.
        if (tilesPending_ || scaled_.factor() != factor()) bringTilesUpToDate(region);
        paintScaled(p, region);
        return;
    }
    const QImage img = model().transparent() ? masked() : view(b);
    // No smooth transform: a scaled window and a high-density screen both repeat each pixel whole (nearest
    // neighbour), so the blocks keep their sharp edges.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (model().stretch())
        p.drawImage(rect(), img);
    else
        p.drawImage(QRect(0, 0, b.width() * scale(), b.height() * scale()), img);
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
