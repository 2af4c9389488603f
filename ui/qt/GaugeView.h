// A gauge without border or text: the filled share in the fore colour over the back colour.
#pragma once

#include <QWidget>
#include <optional>

#include "ui/core/Widgets.h"
#include "ui/qt/ViewOf.h"

namespace ui::qt {

class GaugeView : public ViewOf<QWidget, ui::Gauge> {
  public:
    using ViewOf::ViewOf;
    // Pixels of a bar width filled at progress within [minimum, maximum].
    static int filledWidth(int width, int minimum, int maximum, int progress);

  protected:
    void applyOwn() override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // What decides the gauge's pixels, as last painted.
    struct Look {
        int filled = -1;  // px
        base::Colour fore, back;
        bool operator==(const Look&) const = default;
    };

    Look shown_;
    std::optional<int> progress_;  // as last told to a screen reader
};

}  // namespace ui::qt
