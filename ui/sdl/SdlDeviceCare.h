// The sound device's helper thread, for what neither SDL's audio thread nor the UI thread may wait on: it
// asks the desktop (RealtimeKit over D-Bus, through SDL) for real-time scheduling of an audio thread that
// could not take it itself, and while the device plays it rings the doorbell now and then, so that the UI
// thread looks at a device that may have stopped asking for sound (SDL's PipeWire output never says it lost
// its server). The thread starts with the first device that plays and ends with this object; while nothing
// plays it sleeps without waking.
#pragma once

#include <SDL.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "base/Doorbell.h"

namespace ui {

class SdlDeviceCare {
  public:
    static constexpr int kLookMs = 250;  // how often the bell rings while the device plays

    explicit SdlDeviceCare(base::Doorbell& bell) : bell_(bell) {}
    ~SdlDeviceCare();  // waits for an ask under way to be answered
    SdlDeviceCare(const SdlDeviceCare&) = delete;
    SdlDeviceCare& operator=(const SdlDeviceCare&) = delete;

    // UI thread: the device plays (the bell rings every kLookMs) or has stopped.
    void setPlaying(bool playing);
    // UI thread: asks for the time-critical priority of the audio thread tid; a refusal is silent.
    void askRealtime(Sint64 tid);

  private:
    void run();

    base::Doorbell& bell_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool playing_ = false;  // guarded by mutex_
    Sint64 tid_ = 0;        // guarded by mutex_: a thread to ask for, 0 when none
    bool ending_ = false;   // guarded by mutex_
    std::thread worker_;    // UI thread: started at the first call
};

}  // namespace ui
