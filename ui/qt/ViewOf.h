// The shell every view shares: a Qt widget of kind W that is the view of a control of kind M.
#pragma once

#include <QWidget>
#include <utility>

#include "ui/qt/ControlView.h"

namespace ui::qt {

// NativeMouse: whether the widget takes presses and releases itself (buttons, fields, lists).
template <class W, class M, bool NativeMouse = false>
class ViewOf : public W, public ControlView {
  public:
    // widgetArgs go to W's constructor (its parent last, as Qt's widgets take it).
    template <class... A>
    explicit ViewOf(M& model, A&&... widgetArgs)
        : W(std::forward<A>(widgetArgs)...), ControlView(model), model_(model) {}
    QWidget& widget() override { return *this; }
    bool nativeMouse() const override { return NativeMouse; }

  protected:
    M& model() const { return model_; }

  private:
    M& model_;
};

}  // namespace ui::qt
