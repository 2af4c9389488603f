// Fonts of the windows: the face a window names first, then the metric-compatible IPA faces.
#pragma once

#include <QFont>
#include <string>

#include "ui/core/Font.h"

namespace ui::qt {

// The font for a label, button or field: face with its stand-in, pixel size, weight and slant; shown in a
// window scaled by a whole factor, the text is laid out afresh at that many times the size.
QFont toQFont(const ui::Font& font, int scale = 1);

// The face with its stand-ins, at a pixel size (text drawn on canvases).
QFont faceFont(const std::string& face, int pixelSize, bool bold, bool italic = false);

// Before the application draws its first text: glyphs up to kCachedGlyphPixels high are drawn from the
// toolkit's glyph cache, not filled from their outlines each time (the toolkit's own limit is 64, which a
// banner passes in a window at 3x). A value the environment already sets is kept.
inline constexpr int kCachedGlyphPixels = 256;
void cacheBigGlyphs();

// Pixels of a size given in points at 96 dots per inch, rounded as the canvases do.
constexpr int pointsToPixels(int points) {
    return (points * 96 + 36) / 72;
}

}  // namespace ui::qt
