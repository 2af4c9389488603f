// The road between the UI thread and a device thread that mixes: the UI thread posts its play, stop and drop
// requests, the mixing thread applies them to the engine before it renders, and the ends of plays that asked
// for a notice go back to the UI thread through the doorbell. Neither side waits for the other.
#pragma once

#include <cstddef>

#include "base/Doorbell.h"
#include "sound/PlayParams.h"
#include "sound/SpscRing.h"

namespace sound {

class MixEngine;

struct MixRequest {
    enum class Kind : std::uint8_t {
        Play,      // params as PlayMixWave was given them; the wave's play count already holds this play
        Flush,     // params.channel and params.flags as FlushMixChannel was given them
        DropWave,  // every play of params.wave leaves its queue
    };
    Kind kind = Kind::Play;
    PlayParams params;
};

// A play heard to its end, for a target that asked to be told.
struct PlayEnd {
    MixNotifyTarget* target = nullptr;
    int channel = 0;
    MixWave* wave = nullptr;
};

class MixLane {
  public:
    static constexpr std::size_t kRequests = 256;
    static constexpr std::size_t kEnds = 128;  // more than the plays the engine can hold at once

    explicit MixLane(base::Doorbell& bell) : bell_(bell) {}

    // UI thread: the engine that applies the requests (null: none; requests are then dropped).
    void bind(MixEngine* engine) { engine_ = engine; }
    // UI thread: true while the device's thread mixes, so that the engine takes requests only through here.
    bool deviceMixes() const { return deviceMixes_; }
    void setDeviceMixes(bool on) { deviceMixes_ = on; }
    // UI thread: false when the ring is full and the request was not taken.
    bool post(const MixRequest& request) { return requests_.push(request); }
    bool requestsWaiting() const { return !requests_.empty(); }
    // UI thread: tells each target of a play that has ended.
    void deliverEnds();

    // The mixing thread, or the UI thread while the engine is its own: applies the requests posted so far.
    void serve() noexcept;
    // The mixing thread: the end of a play, told to the UI thread (dropped if its ring is full).
    void end(const PlayEnd& playEnd) noexcept;

  private:
    base::Doorbell& bell_;
    MixEngine* engine_ = nullptr;
    bool deviceMixes_ = false;  // UI thread only
    SpscRing<MixRequest, kRequests> requests_;
    SpscRing<PlayEnd, kEnds> ends_;
};

}  // namespace sound
