// Drawing on an image control's picture.
#include "ui/core/Image.h"

#include <utility>

#include "base/BmpFile.h"
#include "ui/core/TextRenderer.h"

namespace ui {

Image::Image(std::string name, Rect bounds, bool visible) : Control(std::move(name), bounds, visible) {}

base::Bitmap& Image::made() {
    if (picture_.empty()) {
        picture_ = base::Bitmap(bounds().width, bounds().height, base::colours::White);
        drewAll();
    }
    return picture_;
}

base::Bitmap& Image::surface() {
    made();
    drewAll();
    return picture_;
}

base::Bitmap& Image::surfaceFor(Rect area) {
    made();
    drew(clipped(area, picture_.width(), picture_.height()));
    return picture_;
}

void Image::drew(Rect area) {
    journal_[++serial_ % kJournalLength] = area;
}

bool Image::drawnSince(std::uint64_t serial, std::vector<Rect>& areas) const {
    if (serial < wholeAt_ || serial_ - serial > kJournalLength || serial > serial_) return false;
    for (std::uint64_t s = serial + 1; s <= serial_; ++s) {
        const Rect& r = journal_[s % kJournalLength];
        if (!r.empty()) areas.push_back(r);
    }
    return true;
}

void Image::loadPicture(const std::string& path) {
    setPicture(base::loadBmp(path));
}

void Image::setPicture(base::Bitmap picture) {
    picture_ = std::move(picture);
    drewAll();
    changed();
}

void Image::rectangle(int x1, int y1, int x2, int y2) {
    base::Bitmap& s = surfaceFor(Rect{x1, y1, x2 - x1, y2 - y1});
    if (x2 <= x1 || y2 <= y1) return;
    // Outline edges, then the inside: every pixel written once.
    s.fill(x1, y1, x2, y1 + 1, penColour);
    s.fill(x1, y2 - 1, x2, y2, penColour);
    s.fill(x1, y1 + 1, x1 + 1, y2 - 1, penColour);
    s.fill(x2 - 1, y1 + 1, x2, y2 - 1, penColour);
    s.fill(x1 + 1, y1 + 1, x2 - 1, y2 - 1, brushColour);
    pixelsChanged();
}

void Image::textOut(int x, int y, std::string_view utf8) {
    drew(textRenderer().draw(made(), x, y, utf8, TextStyle{fontSize, fontBold, fontColour, brushColour}));
    pixelsChanged();
}

}  // namespace ui
