// The headless text stand-in and the process's current text renderer.
#include "ui/core/TextRenderer.h"

#include "base/Cp932.h"

namespace ui {

Rect BoxTextRenderer::draw(base::Bitmap& target, int x, int y, std::string_view utf8,
                           const TextStyle& style) {
    const int height = style.pointSize * 4 / 3;  // 96 dpi
    const int halfWidth = height / 2;            // a single-byte character
    const int width = static_cast<int>(base::cp932Length(utf8)) * halfWidth;
    target.fill(x, y, x + width, y + height, style.background);
    // The glyph ink: a bar through the middle of the box.
    target.fill(x + 1, y + height / 3, x + width - 1, y + 2 * height / 3, style.colour);
    return clipped(Rect{x, y, width, height}, target.width(), target.height());
}

namespace {
BoxTextRenderer& boxRenderer() {
    static BoxTextRenderer r;
    return r;
}
TextRenderer*& current() {
    static TextRenderer* r = nullptr;
    return r;
}
}  // namespace

TextRenderer& textRenderer() {
    return current() ? *current() : boxRenderer();
}
void setTextRenderer(TextRenderer* renderer) {
    current() = renderer;
}

}  // namespace ui
