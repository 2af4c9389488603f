// The six courses as the start panel, the end panel and the posting file name them.
#pragma once

#include <cstdint>

#include "engine/GameConstants.h"

namespace game {

using engine::kCourseCount;

struct Course {
    const char* caption;       // start-panel button
    const char* banner;        // big banner when the course is picked
    const char* rating;        // eight marks beside "難易度＞"
    const char* hint;          // shown while the pointer is over the button
    const char* endName;       // end panel
    const char* postingTitle;  // line 2 of the posting file once the course has a score
};

// Course n = 1..6; any other number gives course 1's entry, which no caller asks for.
const Course& course(std::uint8_t n);

// Line 2 of the posting file while the course has no score above 0.
inline constexpr const char* kUnscoredPostingTitle = "【？？？？】";

}  // namespace game
