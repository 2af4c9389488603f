// An image control with a drawing surface: pen, brush and font state, rectangles, text and pictures.
#pragma once

#include <string>
#include <string_view>

#include "base/Bitmap.h"
#include "base/Colour.h"
#include "ui/core/Control.h"

namespace ui {

class Image : public Control {
  public:
    Image(std::string name, Rect bounds, bool visible = true);

    // The picture; drawing makes one of the control's size if there is none.
    const base::Bitmap& picture() const { return picture_; }
    base::Bitmap& surface();
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
    void invalidate() { changed(); }
    // Marks it changed and paints it at once, inside the running handler.
    void repaintNow() {
        changed();
        repaint();
    }

  private:
    base::Bitmap picture_;
    bool stretch_ = false;
    bool transparent_ = false;
};

}  // namespace ui
