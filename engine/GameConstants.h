// The game's fixed numbers and their units, shared by the game, the user-stage player, the headless player
// and the solver.
#pragma once

#include <array>

#include <cstdint>

#include "base/Translation.h"
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
inline constexpr std::int32_t kComboCycleFrom =
    50;  // from this combo on, its colour follows the colour phase

inline constexpr int kCourseCount = 6;

// Stage count of courses 1..6; the data build makes the stage files from the same list.
inline constexpr std::array<std::int32_t, kCourseCount> kCourseStageCounts{
#include "engine/CourseStageCounts.inc"
};

// The last stage index that the status tick gives course 0, before the first course is picked.
inline constexpr std::int32_t kLastStageBeforePick = 8;

// The last stage index of course n (0..kCourseCount).
constexpr std::int32_t lastStageOf(int course) {
    return course >= 1 && course <= kCourseCount ? kCourseStageCounts[course - 1] - 1 : kLastStageBeforePick;
}

// The course names of the status view's stage line, by course number (0: none picked).
inline constexpr std::array<const char*, kCourseCount + 1> kCourseStatusNames{
    "",
    QT_TRANSLATE_NOOP("Courses", "STREET CORSE"),
    QT_TRANSLATE_NOOP("Courses", "VOCAL CORSE"),
    QT_TRANSLATE_NOOP("Courses", "PELTRA!!! CORSE"),
    QT_TRANSLATE_NOOP("Courses", "BONUS CORSE"),
    QT_TRANSLATE_NOOP("Courses", "SORELI CORSE"),
    QT_TRANSLATE_NOOP("Courses", "VELORIS CORSE")};

// ALL CLEARs that open course n's button on the start panel (1..kCourseCount). Course 5 also opens once
// course 3 was cleared to its end, and then takes the place of course 1's button.
inline constexpr std::array<std::int32_t, kCourseCount> kCourseUnlockClears{0, 0, 4, 2, 6, 3};
inline constexpr int kCourseOpenedByCourse3 = 5;

// Whether the start panel offers course n after clearCount ALL CLEARs (course3Cleared: 1 once course 3 was
// cleared to its end).
constexpr bool courseOpen(int course, std::int32_t clearCount, std::int32_t course3Cleared) {
    const bool fifth = clearCount >= kCourseUnlockClears[kCourseOpenedByCourse3 - 1] || course3Cleared == 1;
    if (course == kCourseOpenedByCourse3) return fifth;
    if (course == 1) return !fifth;
    return course >= 1 && course <= kCourseCount && clearCount >= kCourseUnlockClears[course - 1];
}

// Whether a block code counts: a field that holds no counted cell is cleared. Empty cells, walls, the
// deadly blocks and the bar do not count.
constexpr bool isCounted(std::int32_t code) {
    return code != Empty && code != Wall && code != Deadly && code != Bar;
}

}  // namespace engine
