// Composes the pictures: toy pictures on a patterned backdrop, and the fixed pictures as drawn.
#pragma once

#include "base/Bitmap.h"
#include "tools/gen/ShapeScript.h"
#include "tools/gen/ToyTable.h"

namespace gen {

inline constexpr int kToyPictureSize = 170;  // pixels; the toy panel shows it at this size

// The picture of toy slot: a backdrop chosen by the slot, the kind's shape in the toy's colours,
// and sparkles for rare toys.
base::Bitmap toyPicture(int slot, const Toy& toy, const Drawing& shape);

// A fixed picture at its design size on a white ground, its roles taken from the named palette.
base::Bitmap fixedPicture(const Drawing& drawing, const std::string& paletteName);

}  // namespace gen
