// Where the engine's sound requests go: a file name from the dat folder and a mixer channel.
#pragma once

#include <functional>
#include <string_view>
#include <utility>

namespace engine {

class SoundSink {
  public:
    virtual ~SoundSink() = default;
    // Plays dat/<fileName> once on channel 0 or 1; every failure is swallowed.
    virtual void play(std::string_view fileName, int channel) = 0;
};

// Plays nothing.
class NullSoundSink : public SoundSink {
  public:
    void play(std::string_view, int) override {}
};

// Hands every request to a function (a program's mixer channels).
class FunctionSoundSink : public SoundSink {
  public:
    explicit FunctionSoundSink(std::function<void(std::string_view, int)> fn) : fn_(std::move(fn)) {}
    void play(std::string_view fileName, int channel) override {
        if (fn_) fn_(fileName, channel);
    }

  private:
    std::function<void(std::string_view, int)> fn_;
};

}  // namespace engine
