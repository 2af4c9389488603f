// The solver's report: one table line per stage, and per-course totals with the difficulty figure.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "solver/CoursePlayer.h"

namespace solver {

// "yes", or why not: "no/time", "no/lives", "no/stuck" (the search gave up), "no/file".
std::string clearedText(const StageResult& r);

std::string stageHeader();
std::string stageLine(const StageResult& r);

struct CourseTotals {
    int course = 0;
    int stages = 0, cleared = 0;
    std::int64_t ticks = 0;
    std::int32_t timeUsed = 0, livesLost = 0, turns = 0;
    std::int32_t score = 0;     // at the end of the run
    std::int32_t timeLeft = 0;  // at the end of the run
    bool completed = false;
    double difficulty = 0;  // see difficultyOf
};

// A lost life weighs as much as this many time units in the difficulty figure.
inline constexpr double kLifeWorthUnits = 20;
// Time units used per stage, with each lost life counted as kLifeWorthUnits.
double difficultyOf(const CourseResult& c);
CourseTotals totalsOf(const CourseResult& c);

std::string totalsHeader();
std::string totalsLine(const CourseTotals& t);

// Width of a UTF-8 text on a terminal: wide (2) for CJK and full-width forms, 1 otherwise.
int displayWidth(const std::string& utf8);
// text cut or padded with blanks to exactly width columns.
std::string fitWidth(const std::string& utf8, int width);

}  // namespace solver
