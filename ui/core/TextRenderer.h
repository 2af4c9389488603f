// Draws text into a Bitmap; the window layer installs a real font engine, headless runs a stand-in.
#pragma once

#include <string_view>

#include "base/Bitmap.h"
#include "base/Colour.h"
#include "ui/core/Geometry.h"

namespace ui {

struct TextStyle {
    int pointSize = 12;  // points at 96 dots per inch
    bool bold = false;
    base::Colour colour = base::colours::Black;
    base::Colour background = base::colours::White;  // text is drawn on an opaque box of this colour
};

class TextRenderer {
  public:
    virtual ~TextRenderer() = default;
    // Draws utf8 with its top-left corner at (x, y) on an opaque background box; clipped to the bitmap.
    // Returns the area written (empty when none).
    virtual Rect draw(base::Bitmap& target, int x, int y, std::string_view utf8, const TextStyle& style) = 0;
};

// Headless stand-in: paints the background box of the estimated text size and a solid bar for the
// glyphs, so tests see where text went and in which colours, without a font engine.
class BoxTextRenderer : public TextRenderer {
  public:
    Rect draw(base::Bitmap& target, int x, int y, std::string_view utf8, const TextStyle& style) override;
};

// The renderer all canvases use; the window layer replaces the headless one at start-up.
TextRenderer& textRenderer();
void setTextRenderer(TextRenderer* renderer);  // nullptr restores the headless one

}  // namespace ui
