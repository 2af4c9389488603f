// What the mixer needs of an audio output: queued blocks of 8-bit PCM, a done notice per block, reset, pause,
// position; and, of an output whose device's own thread mixes, the lane to that thread.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "sound/WaveFormat.h"
#include "sound/WaveHeader.h"

namespace sound {

class MixLane;

// Runs a function on the UI thread; may be called from any thread. Tests pass one that runs it at once.
using PostFn = std::function<void(std::function<void()>)>;

inline constexpr int kDefaultDevice = -1;  // device number of the system's default output

struct AudioCaps {
    std::string name;            // at most 31 bytes, like the original device record
    std::uint16_t channels = 2;  // channels the device can play
    bool synchronous = false;    // true: the device blocks the caller while playing
};

class AudioOutput {
  public:
    virtual ~AudioOutput() = default;

    virtual int deviceCount() const = 0;
    // Fills caps for a device (kDefaultDevice included); false when the device cannot say.
    virtual bool capabilities(int device, AudioCaps& caps) const = 0;
    // A format query: nothing is opened.
    virtual bool supportsFormat(int device, const WaveFormat& format) const = 0;

    // Opens the device; blockDone runs once per finished block, after its header is marked done: on the UI
    // thread, or on the thread that mixes for an output with a lane. Returns 0 or an error number.
    virtual int open(int device, const WaveFormat& format, std::function<void()> blockDone) = 0;
    virtual int prepare(WaveHeader& header) {
        header.flags |= kHeaderPrepared;
        return 0;
    }
    virtual void unprepare(WaveHeader& header) { header.flags &= ~kHeaderPrepared; }
    // Queues a block behind those written before; the bytes are taken at once. Returns 0 or an error number.
    virtual int write(WaveHeader& header) = 0;
    // Drops every queued block (each is marked done at once, without a notice) and sets the position to 0.
    virtual void reset() = 0;
    virtual void pause() = 0;
    virtual void restart() = 0;
    // Bytes played since the device was opened or last reset.
    virtual std::uint32_t positionBytes() const = 0;
    virtual void close() = 0;

    // The millisecond clock that goes with this output (a free-running counter that may wrap).
    virtual std::uint32_t clockMs() const = 0;

    // An output whose device's thread mixes returns its lane (see MixLane); the others null, and the engine
    // then mixes on the UI thread.
    virtual MixLane* lane() { return nullptr; }
    // Lane outputs, UI thread: the device's thread stops mixing; the engine is the caller's until wake().
    virtual void takeBack() {}
    // Lane outputs, UI thread: the device starts, its thread mixing, if blocks wait to be played.
    virtual void wake() {}
};

}  // namespace sound
