// What the official courses must show when the solver plays them: every stage cleared, every course
// finished in one run on the least time gift, no stage over too quickly, and the courses' difficulty
// in the order of their ratings.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "solver/CoursePlayer.h"

namespace solver {

inline constexpr std::int64_t kLeastStageTicks = 100;  // a stage cleared faster than this is too slight
// Easiest first, by the ratings of the start panel; course 5's rating is concealed and may fall anywhere.
inline constexpr std::array<int, 5> kDifficultyOrder{2, 1, 4, 6, 3};

// One message per broken rule; empty when all hold.
std::vector<std::string> checkCourses(const std::vector<CourseResult>& courses);

}  // namespace solver
