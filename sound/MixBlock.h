// One block of the ring the mixer renders into and hands to the audio output.
#pragma once

#include <array>
#include <cstdint>

#include "sound/WaveHeader.h"

namespace sound {

struct MixSession;

inline constexpr std::size_t kBlockDataBytes = 4096;  // the largest block length
inline constexpr int kBlockRingSize = 6;              // blocks allocated at activation

struct MixBlock {
    WaveHeader header;        // what the output sees
    bool free = true;         // not rendered or given back by the output
    std::uint32_t start = 0;  // output position of its first byte
    MixSession* session = nullptr;
    MixBlock* next = nullptr;  // next block in the device queue
    std::array<std::uint8_t, kBlockDataBytes> data{};
};

}  // namespace sound
