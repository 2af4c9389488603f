// A label: caption in its font and colour, aligned, wrapped or not, on its background or transparent.
#pragma once

#include <QFont>
#include <QImage>
#include <QWidget>

#include "ui/core/Widgets.h"
#include "ui/qt/FittedText.h"
#include "ui/qt/ViewOf.h"

namespace ui::qt {

class LabelView : public ViewOf<QWidget, ui::Label> {
  public:
    using ViewOf::ViewOf;
    bool opaque() const override { return !model().transparent(); }

    // The caption as it is drawn in the label's box, laid out now if it changed since.
    const FittedText& fitted() const;
    // How often the caption was laid out; lets tests see that captions set between paints are laid out once.
    int layoutCount() const { return layoutCount_; }
    // How often its pixels were drawn anew; a label shown again unchanged (a field repainted beneath it)
    // copies the last ones.
    int drawCount() const { return drawCount_; }

  protected:
    void applyOwn() override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The label's pixels at the widget's size and the screen's ratio, drawn when they changed.
    const QImage& picture();

    // Everything that decides the label's pixels, as last shown.
    struct Look {
        std::string caption;
        ui::Font font;
        bool transparent = false;
        base::Colour background;
        ui::Align alignment = ui::Align::Left;
        bool wordWrap = false;
        int scale = 1;  // widget px per model px
        QSize box;      // widget px
        bool operator==(const Look&) const = default;
    };

    Look shown_;
    bool painted_ = false;  // false until the first apply
    QFont font_;
    // Laid out when it is next drawn or asked for, not on each change: a caption changed many times
    // between two paints (a busy log) is laid out once.
    mutable FittedText fitted_;
    mutable bool stale_ = true;
    mutable int layoutCount_ = 0;
    QImage picture_;
    bool pictureStale_ = true;
    int drawCount_ = 0;
};

}  // namespace ui::qt
