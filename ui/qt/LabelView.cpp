// Label painting: background box, then the text from the top edge.
#include "ui/qt/LabelView.h"

#include <QPainter>
#include <QTextOption>

#include "ui/qt/QtFonts.h"
#include "ui/qt/QtText.h"

namespace ui::qt {

LabelView::LabelView(ui::Label& label, QWidget* parent)
    : QWidget(parent), ControlView(label), label_(label) {}

void LabelView::applyOwn() {
    Look look{label_.caption(),  label_.font(), label_.transparent(), label_.background(), label_.alignment(),
              label_.wordWrap(), scale()};
    if (painted_ && look == shown_) return;
    if (!painted_ || look.caption != shown_.caption) text_ = displayText(look.caption);
    if (!painted_ || !(look.font == shown_.font) || look.scale != shown_.scale)
        font_ = toQFont(look.font, look.scale);
    shown_ = std::move(look);
    painted_ = true;
    update();
}

void LabelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!shown_.transparent) p.fillRect(rect(), qcolour(shown_.background));
    if (text_.isEmpty()) return;
    QTextOption option;
    switch (shown_.alignment) {
        case ui::Align::Left:
            option.setAlignment(Qt::AlignLeft | Qt::AlignTop);
            break;
        case ui::Align::Right:
            option.setAlignment(Qt::AlignRight | Qt::AlignTop);
            break;
        case ui::Align::Center:
            option.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            break;
    }
    // Japanese text has no blanks to break at, so a wrapped line may also break between any two characters.
    option.setWrapMode(shown_.wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    p.setFont(font_);
    p.setPen(qcolour(shown_.font.colour));
    p.drawText(QRectF(rect()), text_, option);
}

}  // namespace ui::qt
