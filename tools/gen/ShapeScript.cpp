// Reads the picture script: a small line-per-shape language that keeps the art reviewable.
#include "tools/gen/ShapeScript.h"

#include <map>
#include <sstream>
#include <stdexcept>

namespace gen {
namespace {

struct KindInfo {
    ShapeKind kind;
    int minArgs, maxArgs;  // numbers before the colour
};

const std::map<std::string, KindInfo>& kinds() {
    static const std::map<std::string, KindInfo> table{
        {"circle", {ShapeKind::Circle, 3, 3}},    // cx cy r
        {"ellipse", {ShapeKind::Ellipse, 4, 4}},  // cx cy rx ry
        {"rect", {ShapeKind::Rect, 4, 4}},        // x1 y1 x2 y2
        {"rrect", {ShapeKind::RoundRect, 5, 5}},  // x1 y1 x2 y2 radius
        {"poly", {ShapeKind::Polygon, 6, 64}},    // x1 y1 x2 y2 x3 y3 ...
        {"line", {ShapeKind::Line, 5, 5}},        // x1 y1 x2 y2 width
        {"ring", {ShapeKind::Ring, 4, 4}},        // cx cy r width
        {"arc", {ShapeKind::Arc, 6, 6}},          // cx cy r width fromDegrees toDegrees (0 right, 90 down)
        {"star", {ShapeKind::Star, 5, 5}},        // cx cy outerR innerR points
    };
    return table;
}

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

double number(const std::string& w, const std::string& where) {
    try {
        std::size_t used = 0;
        const double v = std::stod(w, &used);
        if (used == w.size()) return v;
    } catch (const std::exception&) {
    }
    throw std::runtime_error(where + "number expected, got '" + w + "'");
}

}  // namespace

std::vector<Drawing> parseShapeScript(const std::string& text, const std::string& sourceName) {
    std::vector<Drawing> drawings;
    bool open = false;
    std::istringstream in(text);
    std::string line;
    for (int lineNo = 1; std::getline(in, line); ++lineNo) {
        if (const auto semi = line.find(';'); semi != std::string::npos) line.erase(semi);
        const auto w = words(line);
        if (w.empty()) continue;
        const std::string where = sourceName + ":" + std::to_string(lineNo) + ": ";
        if (w[0] == "shape" || w[0] == "picture") {
            if (open) throw std::runtime_error(where + "'end' missing before a new block");
            Drawing d;
            if (w[0] == "shape" && w.size() == 2) {
                d.name = w[1];
            } else if (w[0] == "picture" && w.size() == 4) {
                d.name = w[1];
                d.width = static_cast<int>(number(w[2], where));
                d.height = static_cast<int>(number(w[3], where));
                if (d.width <= 0 || d.height <= 0) throw std::runtime_error(where + "size must be positive");
            } else {
                throw std::runtime_error(where +
                                         "'shape <name>' or 'picture <name> <width> <height>' expected");
            }
            drawings.push_back(std::move(d));
            open = true;
            continue;
        }
        if (!open) throw std::runtime_error(where + "shape outside a block");
        if (w[0] == "end") {
            open = false;
            continue;
        }
        Primitive p;
        std::string name = w[0];
        if (name.front() == '!') {
            p.outlined = false;
            name.erase(0, 1);
        }
        const auto it = kinds().find(name);
        if (it == kinds().end()) throw std::runtime_error(where + "unknown shape '" + name + "'");
        const int count = static_cast<int>(w.size()) - 2;  // numbers between the name and the colour
        if (count < it->second.minArgs || count > it->second.maxArgs)
            throw std::runtime_error(where + "wrong number of values for '" + name + "'");
        if (it->second.kind == ShapeKind::Polygon && count % 2 != 0)
            throw std::runtime_error(where + "a polygon needs x y pairs");
        p.kind = it->second.kind;
        for (int i = 1; i <= count; ++i) p.args.push_back(number(w[i], where));
        p.colour = w.back();
        drawings.back().shapes.push_back(std::move(p));
    }
    if (open) throw std::runtime_error(sourceName + ": 'end' missing at the end");
    return drawings;
}

}  // namespace gen
