// Label painting: background box, then the caption fitted to the box from its top edge.
#include "ui/qt/LabelView.h"

#include <QPainter>
#include <algorithm>

#include "ui/qt/ControlAccessible.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtText.h"

namespace ui::qt {
namespace {

Qt::Alignment horizontal(ui::Align a) {
    switch (a) {
        case ui::Align::Right:
            return Qt::AlignRight;
        case ui::Align::Center:
            return Qt::AlignHCenter;
        case ui::Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

}  // namespace

// The caption is laid out again only when something that decides its place changed, and only when it is
// next drawn; painting just draws it.
void LabelView::applyOwn() {
    const ui::Rect r = model().bounds();
    Look look{
        model().caption(),
        model().font(),
        model().transparent(),
        model().background(),
        model().alignment(),
        model().wordWrap(),
        scale(),
        QSize((model().visibleWidth() > 0 ? std::min(model().visibleWidth(), r.width) : r.width) * scale(),
              r.height * scale())};
    if (painted_ && look == shown_) return;
    const bool fontChanged = !painted_ || !(look.font == shown_.font) || look.scale != shown_.scale;
    const bool refit = fontChanged || look.caption != shown_.caption || look.alignment != shown_.alignment ||
                       look.wordWrap != shown_.wordWrap || look.box != shown_.box;
    if (fontChanged) font_ = toQFont(look.font, look.scale);
    const bool captionChanged = painted_ && look.caption != shown_.caption;
    shown_ = std::move(look);
    if (refit) stale_ = true;
    pictureStale_ = true;
    painted_ = true;
    update();
    if (captionChanged && model().announced()) ControlAccessible::announce(*this);
}

const FittedText& LabelView::fitted() const {
    if (stale_) {
        fitted_ = FittedText(displayText(shown_.caption), font_, QSizeF(shown_.box),
                             horizontal(shown_.alignment), shown_.wordWrap);
        stale_ = false;
        ++layoutCount_;
    }
    return fitted_;
}

// Drawn once per change into a picture of its own: a label over the play field is shown again with each
// frame of the field beneath it, and copying its pixels costs far less than drawing its text.
void LabelView::paintEvent(QPaintEvent*) {
    if (shown_.transparent && shown_.caption.empty()) return;  // nothing of its own to show
    QPainter p(this);
    p.drawImage(QPoint(0, 0), picture());
}

const QImage& LabelView::picture() {
    const qreal ratio = devicePixelRatioF();
    const QSize size = this->size() * ratio;
    if (!pictureStale_ && picture_.size() == size && picture_.devicePixelRatio() == ratio) return picture_;
    picture_ = QImage(size, shown_.transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    picture_.setDevicePixelRatio(ratio);
    picture_.fill(shown_.transparent ? QColor(Qt::transparent) : qcolour(shown_.background));
    QPainter p(&picture_);
    if (ratio == 1) {
        fitted().drawAsFitted(p, QPointF(0, 0), qcolour(shown_.font.colour));
    } else {
        p.setPen(qcolour(shown_.font.colour));
        fitted().draw(p, QPointF(0, 0));
    }
    pictureStale_ = false;
    ++drawCount_;
    return picture_;
}

}  // namespace ui::qt
