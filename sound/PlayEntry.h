// One play on a channel's queue, taken from the mixer's fixed pool of entries.
#pragma once

#include <cstdint>

#include "sound/PlayParams.h"

namespace sound {

inline constexpr std::uint32_t kEndlessPosition = 0xFFFFFFFFu;  // end of a play that never ends

struct PlayEntry {
    PlayEntry* next = nullptr;  // next entry of the same channel (or of the waiting list, or of the pool)
    PlayParams params;          // copy of the request
    MixWave* wave = nullptr;
    std::uint32_t length = 0;            // bytes of the wave's data
    std::uint32_t start = 0;             // output position of the first byte, in bytes
    std::uint32_t end = 0;               // first output position no longer sounding
    const std::uint8_t* data = nullptr;  // the wave's samples
};

}  // namespace sound
