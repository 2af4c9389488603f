// A picture kept at a whole number of screen pixels per pixel, each pixel repeated (nearest neighbour), and
// brought up to date one tile at a time: a frame that changed a few cells costs a few cells at any scale.
#pragma once

#include <QImage>
#include <QRegion>

#include "base/Bitmap.h"

namespace ui::qt {

class ScaledPicture {
  public:
    // Brings the copy up to date with picture at factor screen pixels per pixel; returns what changed, in
    // the picture's pixels (all of it when the size or the factor changed). drawn: where the picture may
    // have changed since the last update, when that is known; only the tiles it touches are compared.
    QRegion update(const base::Bitmap& picture, int factor, const QRegion* drawn = nullptr);
    // The scaled copy (its device pixel ratio left to the caller).
    QImage& image() { return scaled_; }
    int factor() const { return factor_; }

  private:
    // The tiles of one band of rows, from left to right (picture pixels on tile edges), that differ from
    // the last picture, joined where they touch.
    void changedTiles(const base::Bitmap& picture, int top, int bottom, int left, int right,
                      QRegion& changed) const;
    // Copies area of picture into the last picture and the scaled copy.
    void take(const base::Bitmap& picture, const QRect& area);

    base::Bitmap last_;  // the picture as last taken
    QImage scaled_;
    int factor_ = 0;
};

}  // namespace ui::qt
