// The game's fixed numbers and their units, shared by the game, the user-stage player, the headless player
// and the solver.
#pragma once

#include <cstdint>

#include "engine/BlockGrid.h"

namespace engine {

// Where a stage start puts the ball, heading straight up: column 9, and the row above the bar, from which
// every serve leaves.
inline constexpr int kServeCol = 9;
inline constexpr int kServeRow = kBarRow - 1;
inline constexpr int kStartBarX = 2;  // column of the bar's centre at a run's start

inline constexpr std::int32_t kCourseStartTime = 160;  // time units at a course start
inline constexpr std::int32_t kRunnerStartTime = 500;  // time units of a run of the user-stage player
inline constexpr std::int32_t kFreshLives = 10;        // lives of a run that no save file gives
inline constexpr std::int32_t kMaxLives = 99;          // cap of lives for healing
inline constexpr std::int32_t kMhpQuota = 50;          // mHP that make one life

}  // namespace engine
