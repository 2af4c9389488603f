// An output paced by the real clock instead of a sound card: silent, or writing what it plays into a WAV
// file.
#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "sound/AudioOutput.h"
#include "sound/DeviceFeed.h"
#include "sound/PlaybackPacer.h"
#include "sound/PlayedSink.h"

namespace sound {

class ClockedAudioOutput : public AudioOutput {
  public:
    static constexpr int kErrorSink = 2;  // open error number when the sink cannot be opened

    // sink may be null: the played bytes go nowhere. Finished blocks ring bell; its answer is this output's
    // while it is open.
    ClockedAudioOutput(base::Doorbell& bell, std::string deviceName, std::unique_ptr<PlayedSink> sink);
    ~ClockedAudioOutput() override;
    ClockedAudioOutput(const ClockedAudioOutput&) = delete;
    ClockedAudioOutput& operator=(const ClockedAudioOutput&) = delete;

    // Used when no sound device can be opened: the game runs and hears nothing.
    static std::unique_ptr<ClockedAudioOutput> silent(base::Doorbell& bell);
    // Writes the mixed output into the WAV file at path.
    static std::unique_ptr<ClockedAudioOutput> wavFile(base::Doorbell& bell, const std::string& path);

    int deviceCount() const override { return 1; }
    bool capabilities(int device, AudioCaps& caps) const override;
    bool supportsFormat(int device, const WaveFormat& format) const override;
    int open(int device, const WaveFormat& format, std::function<void()> blockDone) override;
    int write(WaveHeader& header) override;
    void reset() override;
    void pause() override;
    void restart() override;
    std::uint32_t positionBytes() const override;
    void close() override;
    std::uint32_t clockMs() const override;

  private:
    std::uint64_t nowUs() const;
    void run();
    void playDue(std::uint64_t now);  // with mutex_ held

    base::Doorbell& bell_;
    std::string name_;
    std::unique_ptr<PlayedSink> sink_;
    DeviceFeed blocks_{&bell_};
    const std::chrono::steady_clock::time_point epoch_ = std::chrono::steady_clock::now();

    mutable std::mutex mutex_;  // guards what follows and the sink
    std::condition_variable wake_;
    PlaybackPacer pacer_;
    bool open_ = false;
    bool paused_ = false;
    bool stop_ = false;
    std::array<std::uint8_t, DeviceQueue::kSlotBytes> buffer_{};
    std::thread worker_;  // started last, joined first
};

}  // namespace sound
