// Patterns that tell the kinds of blocks apart without their colours: an overlay the player may switch on
// (F3, off at first); with it off the field is drawn as it always was.
#pragma once

#include <cstdint>

#include "base/Bitmap.h"
#include "base/Colour.h"

namespace engine {

// Draws code's pattern inside the cell whose top-left corner is (x, y), within its outline, in black on a
// light fill and white on a dark one. The kinds told apart by colour alone have one (the hard blocks a dot
// per degree of hardness, the bombs, walls, the blue, pink and pale red blocks...); the empty cell, the
// white block and the bar have none. The painter leaves out cells that show a label, and the invisible
// block in play.
void drawPattern(base::Bitmap& surface, int x, int y, std::int32_t code, base::Colour fill);

}  // namespace engine
