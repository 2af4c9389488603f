// Colours as (red, green, blue), 0..255 per component.
#pragma once

#include <cstdint>

namespace base {

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;

    constexpr bool operator==(const Colour&) const = default;
    // Packed as 0x00RRGGBB, the pixel layout of Bitmap.
    constexpr std::uint32_t argb() const { return 0xFF000000u | (r << 16) | (g << 8) | b; }
    // From the toolkit's blue-green-red colour integer (blue in bits 16..23, red in bits 0..7).
    static constexpr Colour fromBgr(std::int32_t v) {
        return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>((v >> 8) & 0xFF),
                static_cast<std::uint8_t>((v >> 16) & 0xFF)};
    }
};

namespace colours {
inline constexpr Colour Black{0, 0, 0};
inline constexpr Colour White{255, 255, 255};
inline constexpr Colour Grey{128, 128, 128};
inline constexpr Colour Silver{192, 192, 192};
inline constexpr Colour Navy{0, 0, 128};
inline constexpr Colour Teal{0, 128, 128};
inline constexpr Colour Purple{128, 0, 128};
inline constexpr Colour Yellow{255, 255, 0};
inline constexpr Colour Lime{0, 255, 0};
inline constexpr Colour Fuchsia{255, 0, 255};
inline constexpr Colour Blue{0, 0, 255};
inline constexpr Colour Aqua{0, 255, 255};
inline constexpr Colour Red{255, 0, 0};
}  // namespace colours

}  // namespace base
