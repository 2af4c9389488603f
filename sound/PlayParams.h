// The 24-byte play request handed to PlayMixWave, its flag bits and the receiver of end-of-play notices.
#pragma once

#include <cstdint>

namespace sound {

struct MixSession;
struct MixWave;

// Told on the UI thread when a play that named it has been heard to its end.
class MixNotifyTarget {
  public:
    virtual ~MixNotifyTarget() = default;
    virtual void mixWaveDone(int channel, MixWave* wave) = 0;
};

inline constexpr std::uint32_t PlayClearQueue =
    1;  // drop what the channel holds; this wave becomes its only entry
inline constexpr std::uint32_t PlayUseLruChannel = 2;  // ignore the channel given and choose one
inline constexpr std::uint32_t PlayHighPriority =
    4;                                        // start where the listener is now, not after the rendered audio
inline constexpr std::uint32_t PlayWait = 8;  // queue but do not start; the next play starts them all

inline constexpr std::uint16_t kPlayParamsSize = 24;
inline constexpr std::uint16_t kLoopForever = 65535;  // loop count that repeats without end

struct PlayParams {
    std::uint16_t size = kPlayParamsSize;
    MixSession* session = nullptr;
    std::int32_t channel = 0;  // 0..7; written back when the mixer chooses the channel
    MixWave* wave = nullptr;
    MixNotifyTarget* notify = nullptr;  // none: no notice
    std::uint32_t flags = 0;            // Play* bits
    std::uint16_t loops = 0;            // 0 plays once, n plays n + 1 times, kLoopForever without end
};

}  // namespace sound
