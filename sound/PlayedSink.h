// Where a clock-paced output puts the bytes it has played: nowhere (silence) or a file.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sound/WaveFormat.h"

namespace sound {

class PlayedSink {
  public:
    virtual ~PlayedSink() = default;
    virtual bool open(const WaveFormat& format) = 0;
    // Called on the output's own thread with bytes in the order they were played.
    virtual void write(const std::uint8_t* bytes, std::size_t n) = 0;
    virtual void close() = 0;
};

}  // namespace sound
