// Tile-by-tile comparison and whole-pixel scaling of a picture.
#include "ui/qt/ScaledPicture.h"

#include <algorithm>
#include <cstring>

namespace ui::qt {
namespace {

constexpr int kTile = 16;  // picture pixels per side of a compared tile

}  // namespace

QRegion ScaledPicture::update(const base::Bitmap& picture, int factor, const QRegion* drawn) {
    const QRect all(0, 0, picture.width(), picture.height());
    if (factor != factor_ || picture.width() != last_.width() || picture.height() != last_.height()) {
        factor_ = factor;
        last_ = base::Bitmap(picture.width(), picture.height());
        scaled_ = QImage(picture.width() * factor, picture.height() * factor, QImage::Format_RGB32);
        take(picture, all);
        return all;
    }
    // The tiles to compare: those the drawing touched, or all of them.
    QRegion tiles;
    if (drawn) {
        for (const QRect& r : *drawn) {
            const QRect d = r & all;
            if (d.isEmpty()) continue;
            const int left = d.left() / kTile * kTile, top = d.top() / kTile * kTile;
            tiles += QRect(left, top, (d.right() / kTile + 1) * kTile - left,
                           (d.bottom() / kTile + 1) * kTile - top);
        }
    } else {
        tiles = all;
    }
    QRegion changed;
    for (const QRect& r : tiles) {
        const int right = std::min(r.right() + 1, picture.width()),
                  bottom = std::min(r.bottom() + 1, picture.height());
        for (int top = r.top(); top < bottom; top += kTile)
            changedTiles(picture, top, std::min(top + kTile, bottom), r.left(), right, changed);
    }
    for (const QRect& r : changed) take(picture, r);
    return changed;
}

void ScaledPicture::changedTiles(const base::Bitmap& picture, int top, int bottom, int left, int right,
                                 QRegion& changed) const {
    const int width = picture.width();
    // Most bands are as they were: whole rows first, tile by tile only where a row differs.
    const std::size_t rowBytes = static_cast<std::size_t>(right - left) * sizeof(std::uint32_t);
    int y0 = top;
    while (y0 < bottom &&
           std::memcmp(picture.data() + static_cast<std::size_t>(y0) * width + left,
                       last_.data() + static_cast<std::size_t>(y0) * width + left, rowBytes) == 0)
        ++y0;
    if (y0 == bottom) return;
    int runStart = -1;                                   // left edge of the run of changed tiles being joined
    for (int x = left; x < right + kTile; x += kTile) {  // one past the last tile closes the last run
        const int tileRight = std::min(x + kTile, right);
        bool differs = false;
        for (int y = y0; x < right && y < bottom && !differs; ++y) {
            const std::size_t at = static_cast<std::size_t>(y) * width + x;
            differs = std::memcmp(picture.data() + at, last_.data() + at,
                                  static_cast<std::size_t>(tileRight - x) * sizeof(std::uint32_t)) != 0;
        }
        if (differs && runStart < 0) runStart = x;
        if (!differs && runStart >= 0) {
            changed += QRect(runStart, top, std::min(x, right) - runStart, bottom - top);
            runStart = -1;
        }
    }
}

void ScaledPicture::take(const base::Bitmap& picture, const QRect& area) {
    const int width = picture.width(), f = factor_;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const std::size_t at = static_cast<std::size_t>(y) * width + area.left();
        std::memcpy(last_.data() + at, picture.data() + at, static_cast<std::size_t>(area.width()) * 4);
        auto* row = reinterpret_cast<std::uint32_t*>(scaled_.scanLine(y * f)) + area.left() * f;
        const std::uint32_t* src = picture.data() + at;
        for (int x = 0; x < area.width(); ++x) std::fill_n(row + x * f, f, src[x]);
        for (int k = 1; k < f; ++k)
            std::memcpy(scaled_.scanLine(y * f + k) + area.left() * f * 4, row,
                        static_cast<std::size_t>(area.width()) * f * 4);
    }
}

}  // namespace ui::qt
