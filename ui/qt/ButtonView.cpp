// Buttons; clicks by mouse or keyboard go through the dispatcher.
#include "ui/qt/ButtonView.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/qt/QtFonts.h"
#include "ui/qt/QtText.h"

namespace ui::qt {

ButtonView::ButtonView(ui::Button& button, ui::Dispatcher& dispatcher, QWidget* parent)
    : ViewOf(button, parent) {
    connect(this, &QPushButton::clicked, this, [this, &dispatcher] {
        dispatcher.run([this] {
            if (model().onClick) model().onClick();
        });
    });
}

void ButtonView::applyOwn() {
    const QString caption = displayText(model().caption());
    if (text() != caption) setText(caption);
    showFont(model().font(), QPalette::ButtonText);
    refit();
    // A button's own tooltip text wins; otherwise the control's hint (e.g. its keyboard shortcut).
    const QString tip = qs(model().tooltip().empty() ? model().hint() : model().tooltip());
    if (toolTip() != tip) setToolTip(tip);
}

QRect ButtonView::captionBox() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

void ButtonView::refit() {
    const QRect box = captionBox();
    // The text and font are set before the first apply, so the comparison also covers a new font.
    if (fittedText_ == text() && fittedBox_ == box.size() && fitted_.pixelSize() != 0 &&
        fittedFont_ == font())
        return;
    fittedText_ = text();
    fittedBox_ = box.size();
    fittedFont_ = font();
    fitted_ = FittedText(fittedText_, font(), QSizeF(box.size()), Qt::AlignHCenter | Qt::AlignVCenter, false);
}

void ButtonView::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    refit();
}

void ButtonView::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    const QRect box = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    fitted_.draw(p, box.topLeft());
    if (focusMark_.shown(*this)) FocusMark::draw(p, rect(), scale());
}

void ButtonView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == 0) {
        if (!event->isAutoRepeat()) click();
        return;
    }
    // The arrows go to the previous or next control the player can see, as Shift+Tab and Tab do.
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        const int key = event->key();
        if (key == Qt::Key_Up || key == Qt::Key_Left || key == Qt::Key_Down || key == Qt::Key_Right) {
            focusNextPrevChild(key == Qt::Key_Down || key == Qt::Key_Right);
            return;
        }
    }
    QPushButton::keyPressEvent(event);
}

void ButtonView::focusInEvent(QFocusEvent* event) {
    focusMark_.focusIn(*event);
    QPushButton::focusInEvent(event);
}

void ButtonView::focusOutEvent(QFocusEvent* event) {
    focusMark_.focusOut(*event);
    QPushButton::focusOutEvent(event);
}

}  // namespace ui::qt
