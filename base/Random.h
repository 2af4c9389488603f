// The one seedable uniform random generator of a program.

#pragma once

#include <cstdint>

namespace base {

class Random {
  public:
    explicit Random(std::uint64_t seed = 1) { seed_(seed); }
    void seed(std::uint64_t s) { seed_(s); }
    // Seeds from the clock, as a program does at start-up.
    void randomize();
    // A uniform integer 0 .. n-1 (0 when n <= 0).
    std::int32_t next(std::int32_t n);

  private:
    void seed_(std::uint64_t s) { state_ = s ? s : 0x9E3779B97F4A7C15ull; }
    std::uint64_t state_ = 1;
};

}  // namespace base
