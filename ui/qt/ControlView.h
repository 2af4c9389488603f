// The widget side of one control: brings the widget in step with the control's model.
#pragma once

#include <QWidget>

#include "ui/core/Control.h"

namespace ui::qt {

class ControlView {
  public:
    explicit ControlView(ui::Control& control) : control_(control) {}
    virtual ~ControlView() = default;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    ui::Control& control() const { return control_; }
    virtual QWidget& widget() = 0;

    // Re-reads the control and changes only what the widget does not show yet.
    void apply();
    // How often apply ran; lets tests see that an unchanged control was left alone.
    int applyCount() const { return applyCount_; }
    // Whether the widget has the focus and it came from the keyboard (it shows the focus mark).
    virtual bool keyboardFocused() const { return false; }
    // Whether the widget hides whole what lies under its box (a transparent label or picture does not).
    virtual bool opaque() const { return true; }
    // Qt's own accessibility serves the widget (buttons, fields, lists): the control's name is handed to it.
    void setNativeAccessible(bool n) { nativeAccessible_ = n; }
    // Whether the mouse router should leave presses and releases to the widget (buttons, fields, lists).
    virtual bool nativeMouse() const { return false; }

    // Widget pixels per pixel of the control's model: boxes, fonts and pictures are shown this many times
    // larger; the models keep their own pixels. Takes effect at the next apply().
    int scale() const { return scale_; }
    void setScale(int factor) { scale_ = factor; }

  protected:
    virtual void applyOwn() = 0;

  private:
    void applyCommon();

    ui::Control& control_;
    int applyCount_ = 0;
    bool nativeAccessible_ = false;
    int scale_ = 1;  // widget px per model px
};

}  // namespace ui::qt
