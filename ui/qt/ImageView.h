// An image: shows the control's picture, stretched or not, with its transparent colour left out or not.
#pragma once

#include <QImage>
#include <QWidget>

#include "ui/core/Image.h"
#include "ui/qt/ViewOf.h"

namespace ui::qt {

class ImageView : public ViewOf<QWidget, ui::Image> {
  public:
    using ViewOf::ViewOf;

  protected:
    // Every change of an image may be new pixels, so each one repaints.
    void applyOwn() override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The picture with the colour of its lower-left pixel made see-through.
    const QImage& masked();

    QImage masked_;
    bool maskedStale_ = true;
};

}  // namespace ui::qt
