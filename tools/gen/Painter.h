// Paints script shapes onto a bitmap with smooth edges and a dark rim, scaled from design units.
#pragma once

#include "base/Bitmap.h"
#include "tools/gen/ShapeScript.h"

namespace gen {

class Painter {
  public:
    // scaleX, scaleY: pixels per design unit.
    Painter(base::Bitmap& target, double scaleX, double scaleY) : target_(target), sx_(scaleX), sy_(scaleY) {}

    // Paints one shape filled with fill; an outlined shape first gets a rim of fill darkened.
    void paint(const Primitive& shape, base::Colour fill);

    // Blends colour into pixel (x, y) with coverage 0..1.
    void blend(int x, int y, base::Colour colour, double coverage);

  private:
    base::Bitmap& target_;
    double sx_, sy_;
};

// Signed distance in design units from (x, y) to the shape's edge, negative inside.
double shapeDistance(const Primitive& shape, double x, double y);

}  // namespace gen
