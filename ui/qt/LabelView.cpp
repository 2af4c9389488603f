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

void LabelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!shown_.transparent) p.fillRect(rect(), qcolour(shown_.background));
    p.setPen(qcolour(shown_.font.colour));
    fitted().draw(p, QPointF(0, 0));
}

}  // namespace ui::qt
