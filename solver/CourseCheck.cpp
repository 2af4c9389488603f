// The checks of the official courses.
#include "solver/CourseCheck.h"

#include <algorithm>
#include <cstdio>

#include "solver/ResultTable.h"

namespace solver {
namespace {

std::string stageName(const StageResult& s) {
    return "course " + std::to_string(s.course) + " stage " + std::to_string(s.stage) + " (" + s.title + ")";
}

std::string figure(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    return buf;
}

}  // namespace

std::vector<std::string> checkCourses(const std::vector<CourseResult>& courses) {
    std::vector<std::string> problems;
    for (const CourseResult& c : courses) {
        for (const StageResult& s : c.stages) {
            if (!s.cleared())
                problems.push_back(stageName(s) + ": not cleared (" + clearedText(s) + ", " +
                                   std::to_string(s.play.blocksLeft) + " blocks left after " +
                                   std::to_string(s.play.ticks) + " ticks" +
                                   (s.restarted ? ", fresh start" : "") + ")");
            else if (s.play.ticks < kLeastStageTicks)
                problems.push_back(stageName(s) + ": cleared in " + std::to_string(s.play.ticks) +
                                   " ticks, fewer than " + std::to_string(kLeastStageTicks));
        }
        if (!c.completed()) {
            const auto broke = std::find_if(c.stages.begin(), c.stages.end(),
                                            [](const StageResult& s) { return !s.cleared(); });
            problems.push_back(
                "course " + std::to_string(c.course) + ": the run does not finish" +
                (broke != c.stages.end() ? " (it ends at stage " + std::to_string(broke->stage) + ")" : ""));
        }
    }
    // Each rated course must be harder than the one rated below it.
    const CourseResult* easier = nullptr;
    for (int n : kDifficultyOrder) {
        const auto it = std::find_if(courses.begin(), courses.end(),
                                     [n](const CourseResult& c) { return c.course == n; });
        if (it == courses.end()) continue;
        if (easier && difficultyOf(*easier) >= difficultyOf(*it))
            problems.push_back("course " + std::to_string(easier->course) + " (difficulty " +
                               figure(difficultyOf(*easier)) + ") is rated easier than course " +
                               std::to_string(it->course) + " (difficulty " + figure(difficultyOf(*it)) +
                               ")");
        easier = &*it;
    }
    return problems;
}

}  // namespace solver
