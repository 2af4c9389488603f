// Fonts, looks and auto-sizing of the window's labels and buttons.
#include "ui/core/ControlStyle.h"

namespace ui {

Font font(int px, base::Colour colour, bool bold, const char* face, bool italic) {
    return ui::Font{.face = face, .px = px, .bold = bold, .italic = italic, .colour = colour};
}

int textWidth(const std::string& caption, const ui::Font& f) {
    // Full-width characters are about one font height wide; half-width ones in a proportional face
    // about 0.62 of it, 0.72 when bold (capitals are the widest). A few pixels more keep the last glyph
    // whole.
    int full = 0, half = 0;
    for (std::size_t i = 0; i < caption.size();) {
        const auto byte = [&](std::size_t k) {
            return k < caption.size() ? static_cast<unsigned char>(caption[k]) : 0u;
        };
        const unsigned lead = byte(i);
        const std::size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const unsigned code =
            len == 3 ? ((lead & 0x0Fu) << 12) | ((byte(i + 1) & 0x3Fu) << 6) | (byte(i + 2) & 0x3Fu) : 0;
        // ASCII and the half-width katakana U+FF61..U+FF9F are the half-width characters.
        (len == 1 || (code >= 0xFF61 && code <= 0xFF9F) ? half : full) += 1;
        i += len;
    }
    const int halfPerMille = f.bold ? 720 : 620;
    return full * f.px + (half * f.px * halfPerMille + 999) / 1000 + 4;
}

int textHeight(const ui::Font& f) {
    return f.px + f.px / 4 + 1;
}

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

}  // namespace ui
