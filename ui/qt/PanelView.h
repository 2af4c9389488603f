// A group panel: its background, an optional group frame with caption; holds the widgets of its children.
#pragma once

#include <QWidget>
#include <optional>

#include "ui/core/Widgets.h"
#include "ui/qt/ViewOf.h"

namespace ui::qt {

class PanelView : public ViewOf<QWidget, ui::Panel> {
  public:
    using ViewOf::ViewOf;

  protected:
    void applyOwn() override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // As last shown.
    std::string caption_;
    base::Colour background_;
    bool framed_ = false;
    bool painted_ = false;          // false until the first apply
    std::optional<ui::Font> font_;  // the caption's own font, as set
    int fontScale_ = 0;             // scale font_ was set at
    QFont captionFont_;             // font_ at that scale
};

}  // namespace ui::qt
