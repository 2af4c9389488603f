// A control of no particular kind: an empty box that can hold children and take the mouse.
#pragma once

#include <QWidget>

#include "ui/qt/ControlView.h"

namespace ui::qt {

class PlainView : public QWidget, public ControlView {
  public:
    PlainView(ui::Control& control, QWidget* parent) : QWidget(parent), ControlView(control) {}
    QWidget& widget() override { return *this; }
    bool opaque() const override { return false; }

  protected:
    void applyOwn() override {}
};

}  // namespace ui::qt
