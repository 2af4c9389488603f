// Named colour sets of the toy pictures and the colour words of the picture script.
#pragma once

#include <string>

#include "base/Colour.h"

namespace gen {

struct Palette {
    base::Colour main;    // the toy's own colour
    base::Colour dark;    // shading and rims
    base::Colour light;   // highlights
    base::Colour accent;  // a contrasting detail colour
};

// The palette of a colour name (red, pink, orange, yellow, green, mint, blue, navy, purple, white,
// black, grey, gold, silver, brown, rainbow); throws std::runtime_error for any other.
Palette paletteNamed(const std::string& name);

// A script colour: a role of the palette (main, dark, light, accent), a palette name (its main
// colour, or "<name>.dark" / "<name>.light"), or #rrggbb. Throws std::runtime_error otherwise.
base::Colour resolveColour(const std::string& colourName, const Palette& palette);

// a + (b - a) * t per component, t in 0..1.
base::Colour mixColour(base::Colour a, base::Colour b, double t);

}  // namespace gen
