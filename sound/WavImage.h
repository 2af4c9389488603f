// Builds the bytes of plain PCM WAV files: the 44-byte header and whole in-memory images.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "sound/WaveFormat.h"

namespace sound {

inline constexpr std::size_t kWavHeaderBytes = 44;  // RIFF, fmt and data chunk headers
inline constexpr std::size_t kWavRiffSizeAt = 4;    // offset of the RIFF chunk's size
inline constexpr std::size_t kWavDataSizeAt = 40;   // offset of the data chunk's size

void putLe16(std::uint8_t* at, std::uint16_t value);
void putLe32(std::uint8_t* at, std::uint32_t value);

// The header of a file whose data chunk holds dataBytes bytes (the RIFF size counts an odd chunk's pad byte).
std::array<std::uint8_t, kWavHeaderBytes> makeWavHeader(const WaveFormat& format, std::uint32_t dataBytes);
// A whole file image: header, data, and the pad byte when the data is odd.
std::vector<std::uint8_t> makeWavImage(const WaveFormat& format, std::span<const std::uint8_t> data);

}  // namespace sound
