// An image: shows the control's picture, stretched or not, with its transparent colour left out or not.
#pragma once

#include <QImage>
#include <QWidget>

#include "ui/core/Image.h"
#include "ui/qt/ControlView.h"

namespace ui::qt {

class ImageView : public QWidget, public ControlView {
  public:
    ImageView(ui::Image& image, QWidget* parent);
    QWidget& widget() override { return *this; }

  protected:
    // Every change of an image may be new pixels, so each one repaints.
    void applyOwn() override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The picture with the colour of its lower-left pixel made see-through.
    const QImage& masked();

    ui::Image& image_;
    QImage masked_;
    bool maskedStale_ = true;
};

}  // namespace ui::qt
