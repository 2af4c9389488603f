// An output whose device is the test itself: the mixer's blocks go into a feed, and the test's own "device
// thread" plays them with fill(), as SDL's audio thread does, while the test thread answers the doorbell.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

#include "base/Doorbell.h"
#include "sound/AudioOutput.h"
#include "sound/DeviceFeed.h"

namespace soundtest {

class FeedOutput : public sound::AudioOutput {
  public:
    explicit FeedOutput(base::Doorbell& bell) : bell_(bell), feed_(&bell) {}
    ~FeedOutput() override { bell_.setAnswer(nullptr); }

    sound::DeviceFeed& feed() { return feed_; }

    int deviceCount() const override { return 1; }
    bool capabilities(int, sound::AudioCaps& caps) const override {
        caps = sound::AudioCaps{"Feed Output", 1, false};
        return true;
    }
    bool supportsFormat(int, const sound::WaveFormat&) const override { return true; }
    int open(int, const sound::WaveFormat&, std::function<void()> blockDone) override {
        feed_.setBlockDone(std::move(blockDone));
        bell_.setAnswer([this] { feed_.deliver(); });
        return 0;
    }
    int write(sound::WaveHeader& header) override { return feed_.queue().push(header); }
    void reset() override { feed_.queue().reset(); }
    void pause() override { feed_.setPaused(true); }
    void restart() override { feed_.setPaused(false); }
    std::uint32_t positionBytes() const override { return feed_.queue().position(); }
    void close() override {
        bell_.setAnswer(nullptr);
        feed_.setBlockDone(nullptr);
    }
    std::uint32_t clockMs() const override {
        return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                              std::chrono::steady_clock::now().time_since_epoch())
                                              .count());
    }

  private:
    base::Doorbell& bell_;
    sound::DeviceFeed feed_;
};

}  // namespace soundtest
