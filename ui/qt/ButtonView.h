// A push or picture button: caption, font, hint; a click runs the control's onClick.
#pragma once

#include <QPushButton>

#include "ui/core/Dispatcher.h"
#include "ui/core/Widgets.h"
#include "ui/qt/FittedText.h"
#include "ui/qt/FocusMark.h"
#include "ui/qt/ViewOf.h"

namespace ui::qt {

class ButtonView : public ViewOf<QPushButton, ui::Button, true> {
  public:
    ButtonView(ui::Button& button, ui::Dispatcher& dispatcher, QWidget* parent);

    // The caption as it is drawn inside the button's face.
    const FittedText& fitted() const { return fitted_; }
    bool keyboardFocused() const override { return focusMark_.shown(*this); }
    // The part of the button the caption is fitted into.
    QRect captionBox() const;

  protected:
    void applyOwn() override;
    // The face as the style draws it, then the fitted caption.
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Enter presses the focused button, as Space does.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    FocusMark focusMark_;
    FittedText fitted_;
    QString fittedText_;
    QSize fittedBox_;
    QFont fittedFont_;
    void refit();
};

}  // namespace ui::qt
