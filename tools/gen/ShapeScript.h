// Parser of data/pictures.txt: pictures described as lists of filled shapes in a design space.
#pragma once

#include <string>
#include <vector>

namespace gen {

enum class ShapeKind { Circle, Ellipse, Rect, RoundRect, Polygon, Line, Ring, Arc, Star };

struct Primitive {
    ShapeKind kind = ShapeKind::Circle;
    std::vector<double> args;  // design-space numbers, see the script's header comment
    std::string colour;        // a palette role (main, dark, light, accent, ...) or #rrggbb
    bool outlined = true;      // drawn with a dark rim; a leading '!' turns it off
};

struct Drawing {
    std::string name;
    int width = 100, height = 100;  // design space; toy shapes are 100 x 100
    std::vector<Primitive> shapes;  // painted in order
};

// Reads "shape <name>" (100 x 100) and "picture <name> <width> <height>" blocks, each closed by
// "end", with one primitive per line in between. ';' starts a comment. Throws std::runtime_error
// naming the line for anything malformed.
std::vector<Drawing> parseShapeScript(const std::string& text, const std::string& sourceName);

}  // namespace gen
