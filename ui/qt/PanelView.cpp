// Panel painting: background, then either a group frame with its caption or a centred caption.
#include "ui/qt/PanelView.h"

#include <QPainter>

#include "ui/qt/QtText.h"

namespace ui::qt {
namespace {
constexpr int kCaptionInset = 8;  // px from the left edge to a group caption
}

PanelView::PanelView(ui::Panel& panel, QWidget* parent)
    : QWidget(parent), ControlView(panel), panel_(panel) {}

void PanelView::applyOwn() {
    if (painted_ && caption_ == panel_.caption() && background_ == panel_.background() &&
        framed_ == panel_.framed())
        return;
    painted_ = true;
    caption_ = panel_.caption();
    background_ = panel_.background();
    framed_ = panel_.framed();
    update();
}

void PanelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), qcolour(background_));
    const QString caption = displayText(caption_);
    if (!framed_) {
        if (!caption.isEmpty()) p.drawText(rect(), Qt::AlignCenter, caption);
        return;
    }
    const QFontMetrics fm(font());
    const int top = fm.height() / 2;
    const QRect frame = rect().adjusted(0, top, -1, -1);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(frame);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(frame.translated(1, 1).adjusted(0, 0, -1, -1));
    if (caption.isEmpty()) return;
    const QRect textBox(kCaptionInset, 0, fm.horizontalAdvance(caption) + 2, fm.height());
    p.fillRect(textBox, qcolour(background_));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(textBox, Qt::AlignCenter, caption);
}

}  // namespace ui::qt
