// splitmix64 with Lemire's unbiased range reduction.
#include "base/Random.h"

#include <chrono>

namespace base {

void Random::randomize() {
    seed_(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

std::int32_t Random::next(std::int32_t n) {
    if (n <= 0) return 0;
    const auto range = static_cast<std::uint64_t>(n);
    const std::uint64_t limit = (UINT64_MAX / range) * range;
    for (;;) {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        if (z < limit) return static_cast<std::int32_t>(z % range);
    }
}

}  // namespace base
