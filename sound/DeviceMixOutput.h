// An output whose device's own thread mixes (see MixLane): the device is started when blocks wait to be
// played and stopped, its thread ended, once it has played nothing but silence for a while, so that nothing
// of the sound wakes while the game is quiet. A subclass provides the device: it starts a thread that calls
// fill() as the device asks for sound, and stops it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/Doorbell.h"
#include "sound/AudioOutput.h"
#include "sound/DeviceFeed.h"
#include "sound/MixLane.h"

namespace sound {

class DeviceMixOutput : public AudioOutput {
  public:
    // Silence played after the last sound before the device stops: the sound server has played out what it
    // was given, and sounds close together keep the device going.
    static constexpr std::uint32_t kIdleMs = 300;
    // Silence a device plays when it starts, before the first sound: a sound server that takes a new stream
    // into a running output may let the first few milliseconds of it go by unheard (about 11 ms measured
    // through PulseAudio); they are silence then, not the start of the sound.
    static constexpr std::uint32_t kLeadInMs = 30;

    DeviceMixOutput(const DeviceMixOutput&) = delete;
    DeviceMixOutput& operator=(const DeviceMixOutput&) = delete;

    int open(int device, const WaveFormat& format, std::function<void()> blockDone) override;
    int write(WaveHeader& header) override { return feed_.queue().push(header); }
    void reset() override { feed_.queue().reset(); }
    void pause() override { feed_.setPaused(true); }
    void restart() override { feed_.setPaused(false); }
    std::uint32_t positionBytes() const override { return feed_.queue().position(); }
    // Subclasses call it in their destructor, while their device can still be stopped.
    void close() override;
    MixLane* lane() override { return &lane_; }
    void takeBack() override { stop(); }
    void wake() override;

    // True while the device runs and its thread mixes.
    bool mixing() const { return mixing_; }

  protected:
    explicit DeviceMixOutput(base::Doorbell& bell) : bell_(bell) {}

    // UI thread: the device starts calling fill() from its thread.
    virtual void startDevice() = 0;
    // UI thread: returns once no thread of the device calls fill() any more.
    virtual void stopDevice() = 0;
    // UI thread, whenever the engine or the doorbell calls: the device's health.
    virtual void watch() {}

    // The device's thread: n bytes of sound.
    void fill(std::uint8_t* out, std::size_t n) noexcept { feed_.fill(out, n); }
    DeviceFeed& feed() { return feed_; }
    const WaveFormat& format() const { return format_; }
    bool isOpen() const { return open_; }

  private:
    void start();
    void stop();
    void answer();  // the doorbell's: ends of plays, the device's health, an idle device stopped

    base::Doorbell& bell_;
    MixLane lane_{bell_};
    DeviceFeed feed_{&bell_};
    WaveFormat format_;
    bool open_ = false;    // open() succeeded and close() has not been called
    bool mixing_ = false;  // the device runs: its thread owns the engine's plays
};

}  // namespace sound
