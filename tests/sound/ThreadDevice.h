// An output whose device is a thread of the test (see DeviceMixOutput): started when sound is due, it asks
// for a piece of sound every millisecond, faster than real time, as SDL's audio thread asks for its buffer,
// and keeps what it heard; it ends when the output stops the device. ThreadMixer: a mixer on it.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "FedMixer.h"
#include "sound/DeviceMixOutput.h"

namespace soundtest {

class ThreadDevice : public sound::DeviceMixOutput {
  public:
    // onThread runs first on each device thread.
    explicit ThreadDevice(base::Doorbell& bell, std::function<void()> onThread = {})
        : DeviceMixOutput(bell), onThread_(std::move(onThread)) {
        heard_.reserve(1 << 22);
    }
    ~ThreadDevice() override { close(); }

    int deviceCount() const override { return 1; }
    bool capabilities(int, sound::AudioCaps& caps) const override {
        caps = sound::AudioCaps{"Thread Device", 1, false};
        return true;
    }
    bool supportsFormat(int, const sound::WaveFormat&) const override { return true; }
    std::uint32_t clockMs() const override {
        return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                              std::chrono::steady_clock::now().time_since_epoch())
                                              .count());
    }

    int starts() const { return starts_; }
    long pieces() const { return pieces_.load(); }
    // Every byte the device played, in order; read only while the device is stopped.
    const std::vector<std::uint8_t>& heard() const { return heard_; }

  protected:
    void startDevice() override {
        ++starts_;
        stop_.store(false);
        thread_ = std::thread([this] { run(); });
    }
    void stopDevice() override {
        stop_.store(true);
        thread_.join();
    }

  private:
    void run() {
        if (onThread_) onThread_();
        std::array<std::uint8_t, 256> piece{};
        while (!stop_.load()) {
            fill(piece.data(), piece.size());
            if (heard_.size() + piece.size() <= heard_.capacity())
                heard_.insert(heard_.end(), piece.begin(), piece.end());
            ++pieces_;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    std::function<void()> onThread_;
    int starts_ = 0;
    std::atomic<long> pieces_{0};
    std::atomic<bool> stop_{false};
    std::vector<std::uint8_t> heard_;  // the device's thread while it runs
    std::thread thread_;
};

using ThreadMixer = MixerOn<ThreadDevice>;

}  // namespace soundtest
