// A gauge without border or text: the filled share in the fore colour over the back colour.
#pragma once

#include <QWidget>

#include "ui/core/Widgets.h"
#include "ui/qt/ControlView.h"

namespace ui::qt {

class GaugeView : public QWidget, public ControlView {
  public:
    GaugeView(ui::Gauge& gauge, QWidget* parent);
    QWidget& widget() override { return *this; }
    // Pixels of a bar width filled at progress within [minimum, maximum].
    static int filledWidth(int width, int minimum, int maximum, int progress);

  protected:
    void applyOwn() override;
    void paintEvent(QPaintEvent* event) override;

  private:
    ui::Gauge& gauge_;
    int filled_ = -1;  // px, as last painted
    base::Colour fore_, back_;
};

}  // namespace ui::qt
