// An audio output for tests: time moves only when told, every written block and every played byte is kept.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "sound/AudioOutput.h"
#include "sound/DeviceQueue.h"
#include "sound/PlaybackPacer.h"

namespace sound {

class VirtualAudioOutput : public AudioOutput {
  public:
    // post defaults to running the notice at once.
    explicit VirtualAudioOutput(PostFn post = {});

    // What the device reports and how it fails, set by tests before use.
    int devices = 1;
    AudioCaps caps{"Virtual Output", 2, false};
    bool capsFail = false;
    bool formatSupported = true;
    int openError = 0;     // non-zero: open fails with it
    int prepareError = 0;  // non-zero: the prepareFailAt-th prepare (counting from 0) fails with it
    int prepareFailAt = 0;
    int writeError = 0;   // non-zero: every write fails with it
    bool capture = true;  // false: played and written bytes are not kept (long benchmark runs)

    // Moves the clock on by ms, playing what is queued; a finished block is announced before time goes
    // further.
    void advanceMs(std::uint32_t ms);
    // Plays exactly `bytes` bytes (or until the queue runs dry), moving the clock by their duration.
    void playBytes(std::size_t bytes);
    void setClockMs(std::uint32_t ms) { nowUs_ = std::uint64_t{ms} * 1000; }

    // Keeps room so that capturing does not allocate while a test counts allocations.
    void reserveCapture(std::size_t bytes);
    const std::vector<std::uint8_t>& played() const { return played_; }  // every byte heard, in order
    const std::vector<std::uint8_t>& written() const {
        return written_;
    }  // every block written, back to back
    std::size_t writeCount() const { return writeCount_; }
    std::size_t pendingBytes() const { return queue_.pendingBytes(); }
    std::size_t resetCount() const { return resetCount_; }
    bool isOpen() const { return open_; }
    bool isPaused() const { return paused_; }
    const WaveFormat& format() const { return format_; }

    int deviceCount() const override { return devices; }
    bool capabilities(int device, AudioCaps& out) const override;
    bool supportsFormat(int device, const WaveFormat& format) const override;
    int open(int device, const WaveFormat& format, std::function<void()> blockDone) override;
    int prepare(WaveHeader& header) override;
    int write(WaveHeader& header) override;
    void reset() override;
    void pause() override { paused_ = true; }
    void restart() override {
        paused_ = false;
        pacer_.start(nowUs_);
    }
    std::uint32_t positionBytes() const override { return queue_.position(); }
    void close() override;
    std::uint32_t clockMs() const override { return static_cast<std::uint32_t>(nowUs_ / 1000); }

  private:
    void playUntil(std::uint64_t endUs, std::size_t byteLimit);
    void deliver();
    std::size_t take(std::size_t n);  // plays n bytes (or fewer when the queue runs dry)

    PostFn post_;
    DeviceQueue queue_;
    PlaybackPacer pacer_;
    std::function<void()> blockDone_;
    WaveFormat format_;
    std::uint64_t nowUs_ = 0;  // the manual clock
    bool open_ = false;
    bool paused_ = false;
    int prepareCount_ = 0;
    std::size_t writeCount_ = 0;
    std::size_t resetCount_ = 0;
    std::vector<std::uint8_t> played_;
    std::vector<std::uint8_t> written_;
};

}  // namespace sound
