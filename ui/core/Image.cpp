// Drawing on an image control's picture.
#include "ui/core/Image.h"

#include "base/BmpFile.h"
#include "ui/core/TextRenderer.h"

namespace ui {

Image::Image(std::string name, Rect bounds, bool visible) : Control(std::move(name), bounds, visible) {}

base::Bitmap& Image::surface() {
    if (picture_.empty()) picture_ = base::Bitmap(bounds().width, bounds().height, base::colours::White);
    return picture_;
}

void Image::loadPicture(const std::string& path) {
    setPicture(base::loadBmp(path));
}

void Image::setPicture(base::Bitmap picture) {
    picture_ = std::move(picture);
    changed();
}

void Image::rectangle(int x1, int y1, int x2, int y2) {
    base::Bitmap& s = surface();
    if (x2 <= x1 || y2 <= y1) return;
    // Outline edges, then the inside: every pixel written once.
    s.fill(x1, y1, x2, y1 + 1, penColour);
    s.fill(x1, y2 - 1, x2, y2, penColour);
    s.fill(x1, y1 + 1, x1 + 1, y2 - 1, penColour);
    s.fill(x2 - 1, y1 + 1, x2, y2 - 1, penColour);
    s.fill(x1 + 1, y1 + 1, x2 - 1, y2 - 1, brushColour);
    changed();
}

void Image::textOut(int x, int y, std::string_view utf8) {
    textRenderer().draw(surface(), x, y, utf8, TextStyle{fontSize, fontBold, fontColour, brushColour});
    changed();
}

}  // namespace ui
