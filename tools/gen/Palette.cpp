// Colour names of the picture script.
#include "tools/gen/Palette.h"

#include <cmath>
#include <map>
#include <stdexcept>

namespace gen {
namespace {

struct Base {
    base::Colour main, accent;
};

const std::map<std::string, Base>& bases() {
    static const std::map<std::string, Base> table{
        {"red", {{230, 60, 60}, {255, 220, 60}}},      {"pink", {{255, 128, 192}, {255, 255, 255}}},
        {"orange", {{255, 150, 40}, {220, 50, 40}}},   {"yellow", {{255, 215, 50}, {255, 130, 30}}},
        {"green", {{60, 185, 80}, {255, 230, 80}}},    {"mint", {{110, 225, 185}, {255, 255, 255}}},
        {"blue", {{70, 140, 255}, {255, 255, 255}}},   {"navy", {{45, 65, 150}, {255, 215, 60}}},
        {"purple", {{150, 80, 210}, {255, 150, 210}}}, {"white", {{248, 248, 248}, {255, 140, 180}}},
        {"black", {{55, 55, 68}, {255, 215, 60}}},     {"grey", {{150, 150, 162}, {230, 70, 70}}},
        {"gold", {{240, 190, 40}, {255, 255, 230}}},   {"silver", {{200, 205, 218}, {80, 140, 255}}},
        {"brown", {{150, 95, 50}, {255, 205, 90}}},    {"rainbow", {{255, 0, 128}, {255, 240, 0}}},
    };
    return table;
}

constexpr base::Colour kBlack{0, 0, 0};
constexpr base::Colour kWhite{255, 255, 255};
constexpr double kDarkShare = 0.45;   // how far "dark" goes towards black
constexpr double kLightShare = 0.55;  // how far "light" goes towards white

Palette fromBase(const Base& b) {
    return {b.main, mixColour(b.main, kBlack, kDarkShare), mixColour(b.main, kWhite, kLightShare), b.accent};
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

base::Colour mixColour(base::Colour a, base::Colour b, double t) {
    auto m = [t](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(std::lround(x + (static_cast<double>(y) - x) * t));
    };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Palette paletteNamed(const std::string& name) {
    const auto it = bases().find(name);
    if (it == bases().end()) throw std::runtime_error("unknown colour '" + name + "'");
    return fromBase(it->second);
}

base::Colour resolveColour(const std::string& colourName, const Palette& palette) {
    if (colourName == "main") return palette.main;
    if (colourName == "dark") return palette.dark;
    if (colourName == "light") return palette.light;
    if (colourName == "accent") return palette.accent;
    if (colourName.size() == 7 && colourName[0] == '#') {
        int v[6];
        for (int i = 0; i < 6; ++i)
            if ((v[i] = hexDigit(colourName[i + 1])) < 0)
                throw std::runtime_error("bad colour '" + colourName + "'");
        return {static_cast<std::uint8_t>(v[0] * 16 + v[1]), static_cast<std::uint8_t>(v[2] * 16 + v[3]),
                static_cast<std::uint8_t>(v[4] * 16 + v[5])};
    }
    const auto dot = colourName.find('.');
    const Palette named = paletteNamed(colourName.substr(0, dot));
    if (dot == std::string::npos) return named.main;
    const std::string role = colourName.substr(dot + 1);
    if (role == "dark") return named.dark;
    if (role == "light") return named.light;
    throw std::runtime_error("bad colour '" + colourName + "'");
}

}  // namespace gen
