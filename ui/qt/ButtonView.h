// A push or picture button: caption, font, hint; a click runs the control's onClick.
#pragma once

#include <QPushButton>

#include "ui/core/Dispatcher.h"
#include "ui/core/Widgets.h"
#include "ui/qt/ControlView.h"

namespace ui::qt {

class ButtonView : public QPushButton, public ControlView {
  public:
    ButtonView(ui::Button& button, ui::Dispatcher& dispatcher, QWidget* parent);
    QWidget& widget() override { return *this; }
    bool nativeMouse() const override { return true; }

  protected:
    void applyOwn() override;

  private:
    ui::Button& button_;
    ui::Font shownFont_;
    int fontScale_ = 0;  // scale shownFont_ was set at; 0 before the first apply
};

}  // namespace ui::qt
