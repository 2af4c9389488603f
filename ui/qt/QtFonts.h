// Fonts of the windows: the face a window names first, then the metric-compatible IPA faces.
#pragma once

#include <QFont>
#include <string>

#include "ui/core/Font.h"

namespace ui::qt {

// The font for a label, button or field: face with its stand-in, pixel size, weight and slant.
QFont toQFont(const ui::Font& font);

// The face with its stand-ins, at a pixel size (text drawn on canvases).
QFont faceFont(const std::string& face, int pixelSize, bool bold, bool italic = false);

// Pixels of a size given in points at 96 dots per inch, rounded as the canvases do.
constexpr int pointsToPixels(int points) {
    return (points * 96 + 36) / 72;
}

}  // namespace ui::qt
