// Fonts, looks and auto-sizing of the window's labels and buttons.
#include "game/ControlStyle.h"

#include "ui/core/Cp932.h"

namespace game {

ui::Font font(int px, ui::Colour colour, bool bold, const char* face, bool italic) {
    ui::Font f;
    f.face = face;
    f.px = px;
    f.bold = bold;
    f.italic = italic;
    f.colour = colour;
    return f;
}

int textWidth(const std::string& caption, const ui::Font& f) {
    // A bold face is a little wider; one extra pixel per character pair keeps the last glyph whole.
    const int bytes = static_cast<int>(ui::cp932Length(caption));
    return (bytes * f.px + 1) / 2 + (f.bold ? bytes / 2 : 0) + 2;
}

int textHeight(const ui::Font& f) { return f.px + f.px / 4 + 1; }

void dress(ui::Label& label, const std::string& caption, const ui::Font& f, const Look& look) {
    label.setCaption(caption);
    label.setFont(f);
    label.setBackground(look.back);
    label.setTransparent(look.transparent);
    label.setAlignment(look.align);
    label.setWordWrap(look.wrap);
    ui::Rect r = label.bounds();
    if (r.width == 0) {
        r.width = textWidth(caption, f);
        r.height = textHeight(f);
        label.setBounds(r);
    }
}

void dress(ui::Button& button, const std::string& caption, const ui::Font& f) {
    button.setCaption(caption);
    button.setFont(f);
}

}  // namespace game
