// Turns elapsed time into bytes played at a fixed byte rate, carrying the remainder so that no byte is lost
// to rounding.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sound {

class PlaybackPacer {
  public:
    static constexpr std::uint64_t kMicrosPerSecond = 1'000'000;

    void setRate(std::uint32_t bytesPerSecond) { rate_ = bytesPerSecond; }
    // Playing starts (again) at nowUs: time before it does not count.
    void start(std::uint64_t nowUs) {
        lastUs_ = nowUs;
        carry_ = 0;
    }
    // Bytes that have become due since the last call (or start).
    std::size_t due(std::uint64_t nowUs) {
        if (nowUs <= lastUs_) return 0;
        const std::uint64_t scaled = (nowUs - lastUs_) * rate_ + carry_;
        lastUs_ = nowUs;
        carry_ = scaled % kMicrosPerSecond;
        return static_cast<std::size_t>(scaled / kMicrosPerSecond);
    }
    // What due(nowUs) would return, without moving on.
    std::size_t peek(std::uint64_t nowUs) const {
        if (nowUs <= lastUs_) return 0;
        return static_cast<std::size_t>(((nowUs - lastUs_) * rate_ + carry_) / kMicrosPerSecond);
    }
    // Time at which `bytes` more bytes will have become due.
    std::uint64_t whenDue(std::size_t bytes) const {
        if (rate_ == 0) return lastUs_ + kMicrosPerSecond;
        const std::uint64_t needed = bytes * kMicrosPerSecond;
        const std::uint64_t rest = needed > carry_ ? needed - carry_ : 0;
        return lastUs_ + (rest + rate_ - 1) / rate_;
    }

  private:
    std::uint32_t rate_ = 0;    // bytes per second
    std::uint64_t lastUs_ = 0;  // time of the last call
    std::uint64_t carry_ = 0;   // byte-microseconds not yet a whole byte
};

}  // namespace sound
