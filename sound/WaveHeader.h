// One block handed to the audio output: where its bytes are and whether the output has finished with it.
#pragma once

#include <cstdint>

namespace sound {

inline constexpr std::uint32_t kHeaderDone = 1;      // the output has played (or returned) the block
inline constexpr std::uint32_t kHeaderPrepared = 2;  // the output knows the block
inline constexpr std::uint32_t kHeaderInQueue = 16;  // written and not yet done

struct WaveHeader {
    const std::uint8_t* data = nullptr;  // owned by the mixer's block
    std::uint32_t bufferLength = 0;      // bytes to play
    std::uint32_t flags = 0;             // kHeader* bits; touched only on the UI thread
};

}  // namespace sound
