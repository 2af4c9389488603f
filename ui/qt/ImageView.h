// An image: shows the control's picture, stretched or not, with its transparent colour left out or not.
#pragma once

#include <QImage>
#include <QWidget>

#include "ui/core/Dispatcher.h"
#include "ui/core/Image.h"
#include "ui/qt/FocusMark.h"
#include "ui/qt/ViewOf.h"

namespace ui::qt {

class ImageView : public ViewOf<QWidget, ui::Image> {
  public:
    ImageView(ui::Image& image, ui::Dispatcher& dispatcher, QWidget* parent)
        : ViewOf(image, parent), dispatcher_(dispatcher) {}
    bool opaque() const override { return !model().transparent() && !model().picture().empty(); }

  protected:
    // Every change of an image may be new pixels, so each one repaints.
    void applyOwn() override;
    void paintEvent(QPaintEvent* event) override;
    // A picture reached with Tab (the editor's field) hands its keys to the control's onKeyDown.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // The picture with the colour of its lower-left pixel made see-through.
    const QImage& masked();

    ui::Dispatcher& dispatcher_;
    FocusMark focusMark_;
    QImage masked_;
    bool maskedStale_ = true;
};

}  // namespace ui::qt
