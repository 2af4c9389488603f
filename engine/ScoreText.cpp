// Formatting scores with the 億 and 万 groups.
#include "engine/ScoreText.h"

#include "base/Translation.h"

namespace engine {
namespace {

std::string lastFour(std::uint64_t v) {
    std::string s = std::to_string(v);
    return s.size() > 4 ? s.substr(s.size() - 4) : s;
}

}  // namespace

std::string scoreText(std::int64_t v) {
    // Cutting the decimal text to its last four characters would drop the minus sign of values such as
    // -1234 or -10000000, so the sign is written once in front of the groups of the magnitude.
    const std::uint64_t magnitude = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    const std::string sign = v < 0 ? "-" : "";
    const std::string low = lastFour(magnitude), mid = lastFour(magnitude / 10'000),
                      high = lastFour(magnitude / 100'000'000);
    if (high != "0") return sign + high + "億" + mid + "万" + low;
    if (mid != "0") return sign + mid + "万" + low;
    return sign + low;
}

}  // namespace engine

namespace engine {

std::string shownScore(std::int64_t v) {
    return base::japanese() ? scoreText(v) : base::shownNumber(v);
}

std::string scoreTextOfShown(const std::string& shown) {
    if (base::japanese()) return shown;
    std::int64_t v = 0;
    bool digits = false;
    for (const char c : shown) {
        if (c < '0' || c > '9') continue;
        v = v * 10 + (c - '0');
        digits = true;
    }
    if (!digits) return shown;
    return scoreText(shown.front() == '-' ? -v : v);
}

}  // namespace engine
