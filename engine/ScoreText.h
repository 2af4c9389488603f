// A score in groups of four digits with 億 and 万, e.g. 20億0000万0000.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

// high億mid万low from the last four digits of v, v div 10^4 and v div 10^8; leading groups of "0"
// are left out. A negative value keeps its sign in front.
std::string scoreText(std::int64_t v);

}  // namespace engine
