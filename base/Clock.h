// The millisecond clock and the blocking pause; real in the programs, virtual in tests.
#pragma once

#include <cstdint>

namespace base {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() const = 0;
    // Blocks the calling handler for ms milliseconds; nothing else runs meanwhile.
    virtual void sleepMs(int ms) = 0;
};

class Doorbell;

class SystemClock : public Clock {
  public:
    std::int64_t nowMs() const override;
    // With a doorbell, the pause answers it meanwhile (the sound device's notices) and nothing else.
    void sleepMs(int ms) override;
    void answerWhilePausing(Doorbell* bell) { bell_ = bell; }

  private:
    Doorbell* bell_ = nullptr;
};

// Time moves only when told to; a pause just moves it on.
class VirtualClock : public Clock {
  public:
    std::int64_t nowMs() const override { return now_; }
    void sleepMs(int ms) override {
        if (ms > 0) now_ += ms;
    }
    void setNow(std::int64_t ms) { now_ = ms; }

  private:
    std::int64_t now_ = 0;
};

}  // namespace base
