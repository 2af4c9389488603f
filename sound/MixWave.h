// A loaded wave: its format as read from its file and its samples already converted to the session's output
// format.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "sound/WaveFormat.h"

namespace sound {

struct MixWave {
    static constexpr std::size_t kNameLength = 15;  // characters of the name kept

    WaveFormat fileFormat;           // as found in the file
    std::vector<std::uint8_t> data;  // output-format samples; never empty
    std::array<char, kNameLength + 1>
        name{};  // first characters of the name, or "res#" + number; NUL-terminated
    // Plays of the wave queued, waiting or on their way to the mixing thread: the wave is freed only at 0.
    std::atomic<std::int32_t> plays{0};

    std::uint32_t length() const { return static_cast<std::uint32_t>(data.size()); }  // bytes
};

}  // namespace sound
