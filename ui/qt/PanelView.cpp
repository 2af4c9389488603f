// Panel painting: background, then either a group frame with its caption or a centred caption.
#include "ui/qt/PanelView.h"

#include <QPainter>
#include <tuple>

#include "ui/qt/QtFonts.h"
#include "ui/qt/QtText.h"

namespace ui::qt {
namespace {
constexpr int kCaptionInset = 8;  // model px from the left edge to a group caption

// A frame of the given thickness just inside box.
void outline(QPainter& p, const QRect& box, int thickness, const QColor& colour) {
    p.fillRect(QRect(box.left(), box.top(), box.width(), thickness), colour);
    p.fillRect(QRect(box.left(), box.bottom() - thickness + 1, box.width(), thickness), colour);
    p.fillRect(QRect(box.left(), box.top(), thickness, box.height()), colour);
    p.fillRect(QRect(box.right() - thickness + 1, box.top(), thickness, box.height()), colour);
}

}  // namespace

void PanelView::applyOwn() {
    if (model().font() && (model().font() != font_ || scale() != fontScale_)) {
        font_ = model().font();
        fontScale_ = scale();
        // Only the caption's: the children keep the fonts they inherit.
        captionFont_ = toQFont(*font_, fontScale_);
        painted_ = false;
    }
    const auto look = std::make_tuple(model().caption(), model().background(), model().framed());
    if (painted_ && look == std::tie(caption_, background_, framed_)) return;
    painted_ = true;
    std::tie(caption_, background_, framed_) = look;
    update();
}

void PanelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), qcolour(background_));
    const QString caption = displayText(caption_);
    const QFont captionFont = font_ ? captionFont_ : font();
    p.setFont(captionFont);
    if (!framed_) {
        if (!caption.isEmpty()) p.drawText(rect(), Qt::AlignCenter, caption);
        return;
    }
    // The etched group frame: a dark line with a light one inside and below it, each one model pixel thick.
    const int s = scale();
    const QFontMetrics fm(captionFont);
    const int top = fm.height() / 2;
    const QRect frame = rect().adjusted(0, top, 0, 0);
    outline(p, frame, s, palette().color(QPalette::Dark));
    outline(p, frame.adjusted(s, s, 0, 0), s, palette().color(QPalette::Light));
    if (caption.isEmpty()) return;
    const QRect textBox(kCaptionInset * s, 0, fm.horizontalAdvance(caption) + 2 * s, fm.height());
    p.fillRect(textBox, qcolour(background_));
    p.setPen(font_ ? qcolour(font_->colour) : palette().color(QPalette::WindowText));
    p.drawText(textBox, Qt::AlignCenter, caption);
}

}  // namespace ui::qt
