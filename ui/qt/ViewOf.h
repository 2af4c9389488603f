// The shell every view shares: a Qt widget of kind W that is the view of a control of kind M.
#pragma once

#include <QPalette>
#include <QWidget>
#include <utility>

#include "ui/core/Font.h"
#include "ui/qt/ControlView.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtText.h"

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

    // Gives the widget font at the view's scale when either changed since the last call; true when it did.
    bool showFont(const ui::Font& font) {
        if (fontScale_ == scale() && shownFont_ == font) return false;
        shownFont_ = font;
        fontScale_ = scale();
        this->setFont(toQFont(shownFont_, fontScale_));
        return true;
    }
    // The same, with the font's colour as the widget's colour of textRole.
    void showFont(const ui::Font& font, QPalette::ColorRole textRole) {
        if (!showFont(font)) return;
        QPalette pal = this->palette();
        pal.setColor(textRole, qcolour(font.colour));
        this->setPalette(pal);
    }

  private:
    M& model_;
    ui::Font shownFont_;
    int fontScale_ = 0;  // scale shownFont_ was set at; 0 before the first showFont
};

}  // namespace ui::qt
