// SVG encoding: one rect, circle or polygon element per shape, in painting order.
#include "tools/icons/SvgFile.h"

#include <cstdio>

namespace icons {
namespace {

// A number with at most three decimals and no trailing zeros.
std::string num(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", v);
    std::string s = buf;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string fill(const Paint& p) {
    char buf[64];
    std::snprintf(buf, sizeof buf, " fill=\"#%02x%02x%02x\"", p.r, p.g, p.b);
    std::string s = buf;
    if (p.opacity < 1) s += " fill-opacity=\"" + num(p.opacity) + "\"";
    return s;
}

}  // namespace

std::string encodeSvg(const IconDesign& design) {
    const std::string side = num(kDesignSize);
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        side + "\" height=\"" + side + "\" viewBox=\"0 0 " + side + " " + side + "\">\n";
    for (const IconShape& s : design.shapes) {
        switch (s.kind) {
            case IconShape::Kind::Rect:
                out += "  <rect x=\"" + num(s.x) + "\" y=\"" + num(s.y) + "\" width=\"" + num(s.w) +
                       "\" height=\"" + num(s.h) + "\"";
                if (s.radius > 0) out += " rx=\"" + num(s.radius) + "\"";
                break;
            case IconShape::Kind::Circle:
                out +=
                    "  <circle cx=\"" + num(s.x) + "\" cy=\"" + num(s.y) + "\" r=\"" + num(s.radius) + "\"";
                break;
            case IconShape::Kind::Polygon: {
                out += "  <polygon points=\"";
                for (std::size_t i = 0; i < s.points.size(); ++i)
                    out += (i ? " " : "") + num(s.points[i].x) + "," + num(s.points[i].y);
                out += "\" fill-rule=\"evenodd\"";
                break;
            }
        }
        out += fill(s.paint) + "/>\n";
    }
    return out + "</svg>\n";
}

}  // namespace icons
