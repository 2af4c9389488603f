// An image: shows the control's picture, stretched or not, with its transparent colour left out or not.
#pragma once

#include <QImage>
#include <QWidget>

#include "ui/core/Dispatcher.h"
#include "ui/core/Image.h"
#include "ui/qt/FocusMark.h"
#include "ui/qt/ScaledPicture.h"
#include "ui/qt/ViewOf.h"

namespace ui::qt {

class ImageView : public ViewOf<QWidget, ui::Image> {
  public:
    ImageView(ui::Image& image, ui::Dispatcher& dispatcher, QWidget* parent)
        : ViewOf(image, parent), dispatcher_(dispatcher) {}
    bool opaque() const override { return !model().transparent() && !model().picture().empty(); }

    // How many screen pixels were painted, and how many times (for tests).
    qint64 paintedPixels() const { return paintedPixels_; }
    int paints() const { return paints_; }

  protected:
    // A plain picture (opaque, not stretched) repaints only the tiles whose pixels changed; any other
    // repaints whole at each change.
    void applyOwn() override;
    void paintEvent(QPaintEvent* event) override;
    // A picture reached with Tab (the editor's field) hands its keys to the control's onKeyDown.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool plain() const { return !model().transparent() && !model().stretch(); }
    // Screen pixels per picture pixel: the window's scale times the screen's.
    int factor() const;
    // Brings the scaled copy up to date and repaints what changed.
    void showChangedTiles();
    // Brings the scaled copy up to date, comparing only where the picture was drawn on since; returns what
    // changed.
    QRegion takeChanges();
    void paintPicture(QPainter& p, const QRegion& region);
    // Inside a paint: brings the scaled copy up to date and asks for the changed tiles outside painting.
    void bringTilesUpToDate(const QRegion& painting);
    void paintScaled(QPainter& p, const QRegion& region);
    // The picture with the colour of its lower-left pixel made see-through.
    const QImage& masked();

    ScaledPicture scaled_;
    bool tilesPending_ = false;  // changed since the tiles were last compared
    std::uint64_t taken_ = 0;    // the picture's drawing serial when the tiles were last compared
    ui::Dispatcher& dispatcher_;
    FocusMark focusMark_;
    QImage masked_;
    bool maskedStale_ = true;
    qint64 paintedPixels_ = 0;
    int paints_ = 0;
};

}  // namespace ui::qt
