// Buttons; clicks by mouse or keyboard go through the dispatcher.
#include "ui/qt/ButtonView.h"

#include "ui/qt/QtFonts.h"
#include "ui/qt/QtText.h"

namespace ui::qt {

ButtonView::ButtonView(ui::Button& button, ui::Dispatcher& dispatcher, QWidget* parent)
    : QPushButton(parent), ControlView(button), button_(button) {
    connect(this, &QPushButton::clicked, this, [this, &dispatcher] {
        dispatcher.run([this] {
            if (button_.onClick) button_.onClick();
        });
    });
}

void ButtonView::applyOwn() {
    const QString caption = displayText(button_.caption());
    if (text() != caption) setText(caption);
    if (fontScale_ != scale() || !(shownFont_ == button_.font())) {
        shownFont_ = button_.font();
        fontScale_ = scale();
        setFont(toQFont(shownFont_, fontScale_));
        QPalette pal = palette();
        pal.setColor(QPalette::ButtonText, qcolour(shownFont_.colour));
        setPalette(pal);
    }
    // A button's own tooltip text wins; otherwise the control's hint (e.g. its keyboard shortcut).
    const QString tip = qs(button_.tooltip().empty() ? button_.hint() : button_.tooltip());
    if (toolTip() != tip) setToolTip(tip);
}

}  // namespace ui::qt
