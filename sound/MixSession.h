// The session record: the output device, its format and settings, the eight channel queues and the positions.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "sound/WaveFormat.h"

namespace sound {

struct PlayEntry;

inline constexpr std::uint16_t kSessionTag = 0x5432;
inline constexpr int kMixChannels = 8;

enum class RemixMode { Rerender, Shift };

struct MixSession {
    std::uint16_t tag1 = kSessionTag;
    bool deviceOpen = false;         // the output is open for this session
    bool active = false;             // the device is open and owned by this session
    std::int32_t deviceNumber = -1;  // -1: the default device
    std::string deviceName;          // at most 31 bytes; also the settings section of the device
    std::array<PlayEntry*, kMixChannels> queues{};  // head of each channel's queue
    std::array<bool, kMixChannels> closed{};        // closed differs from an empty open queue
    std::int32_t openChannels = 0;
    std::array<std::int32_t, kMixChannels>
        lastUse{};  // play-counter stamp of the last play aimed at each channel
    std::int32_t playCounter = 0;
    WaveFormat format;                 // output format
    std::int32_t blockLength = 2048;   // bytes rendered per block, 512..4096
    std::int32_t blockCount = 3;       // blocks kept at the device, 2..6
    std::uint32_t mixPosition = 0;     // bytes: output rendered up to here
    std::uint32_t timeBase = 0;        // clock ms that corresponds to position 0
    std::uint8_t goodWavePos = 0;      // 1: positions from the device's byte counter, else from the clock
    std::uint32_t positionOffset = 0;  // bytes between the device's counter and positions
    bool offsetSubtracts = false;      // the offset is taken away from the counter rather than added
    RemixMode remix = RemixMode::Rerender;
    PlayEntry* waitingHead = nullptr;  // plays queued with PlayWait, oldest first
    PlayEntry* waitingTail = nullptr;
    std::uint16_t tag2 = kSessionTag;

    bool isOpen(int channel) const { return !closed[channel]; }
};

}  // namespace sound
