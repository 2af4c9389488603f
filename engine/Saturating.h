// Counter arithmetic that stops at the ends of the 32-bit range instead of wrapping.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace engine {

constexpr std::int32_t clampToInt32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// counter += delta, saturating.
constexpr void addSat(std::int32_t& counter, std::int64_t delta) {
    counter = clampToInt32(counter + delta);
}

}  // namespace engine
