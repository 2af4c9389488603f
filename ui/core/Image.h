// An image control with a drawing surface: pen, brush and font state, rectangles, text and pictures.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/Bitmap.h"
#include "base/Colour.h"
#include "ui/core/Control.h"

namespace ui {

class Image : public Control {
  public:
    Image(std::string name, Rect bounds, bool visible = true);

    // The picture; drawing makes one of the control's size if there is none.
    const base::Bitmap& picture() const { return picture_; }
    // Its pixels to write; the whole picture counts as drawn on.
    base::Bitmap& surface();
    // Its pixels to write inside area alone, which counts as drawn on.
    base::Bitmap& surfaceFor(Rect area);
    // Replaces the picture with a BMP file (throws as loadBmp does).
    void loadPicture(const std::string& path);
    void setPicture(base::Bitmap picture);
    bool stretch() const { return stretch_; }
    void setStretch(bool s) { assign(stretch_, s); }
    bool transparent() const { return transparent_; }
    void setTransparent(bool t) { assign(transparent_, t); }

    // Drawing state.
    base::Colour penColour = base::colours::Black;
    base::Colour brushColour = base::colours::White;
    base::Colour fontColour = base::colours::Black;
    int fontSize = 8;  // points
    bool fontBold = false;

    // Drawing marks the picture changed, as setting one does; pixels written through surface() are
    // shown once invalidate() is called.
    // Filled rectangle from (x1, y1) to (x2, y2), right and bottom exclusive, with a one-pixel outline in
    // the pen colour and the inside in the brush colour.
    void rectangle(int x1, int y1, int x2, int y2);
    // Text with its top-left corner at (x, y) on an opaque box in the brush colour.
    void textOut(int x, int y, std::string_view utf8);
    // Marks the surface changed (the window shows it at its next paint).
    void invalidate() { pixelsChanged(); }
    // Marks it changed and paints it at once, inside the running handler.
    void repaintNow() {
        pixelsChanged();
        repaint();
    }

    // Each drawing on the picture takes the next serial; the areas of the last kJournalLength are kept, so
    // a reader that remembers a serial learns where the picture was drawn on after it.
    static constexpr std::size_t kJournalLength = 64;
    std::uint64_t drawSerial() const { return serial_; }
    // Appends to areas where the picture was drawn on after serial; false when that is no longer known (a
    // new picture, raw pixels, or more drawings than the journal keeps): then take all of it as drawn on.
    bool drawnSince(std::uint64_t serial, std::vector<Rect>& areas) const;

  private:
    // The picture, made at the control's size if there is none yet.
    base::Bitmap& made();
    void drew(Rect area);
    void drewAll() { wholeAt_ = ++serial_; }

    base::Bitmap picture_;
    std::uint64_t serial_ = 0;
    std::uint64_t wholeAt_ = 0;                   // the serial of the last drawing on all of it
    std::array<Rect, kJournalLength> journal_{};  // by serial modulo its length
    bool stretch_ = false;
    bool transparent_ = false;
};

}  // namespace ui
