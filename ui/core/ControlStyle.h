// Small helpers that give a window's labels and buttons their fonts, colours and sizes in one line each.
#pragma once

#include <string>

#include "base/Colour.h"
#include "ui/core/Font.h"
#include "ui/core/Widgets.h"

namespace ui {

// A font; bold unless told otherwise, since nearly every text of the window is bold.
Font font(int px, base::Colour colour, bool bold = true, const char* face = ui::kGothicP,
          bool italic = false);

// How a label shows its text besides the font.
struct Look {
    base::Colour back = base::colours::Silver;  // fill when opaque
    bool transparent = false;
    ui::Align align = ui::Align::Left;
    bool wrap = false;
};

// Sets caption, font and look; a label created with width 0 is sized to its caption (auto-size).
void dress(ui::Label& label, const std::string& caption, const ui::Font& f, const Look& look = {});
void dress(ui::Button& button, const std::string& caption, const ui::Font& f);

// The box an auto-sized label of this caption and font takes, one line high.
int textWidth(const std::string& caption, const ui::Font& f);
int textHeight(const ui::Font& f);

}  // namespace ui
