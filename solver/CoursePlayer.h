// Plays stage files and whole courses with the stage solver, carrying lives, time and score from stage
// to stage as a run of the game does, with the least time gift a CLEAR can give.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "solver/StageSim.h"
#include "solver/StageSolver.h"

namespace solver {

inline constexpr std::int32_t kLeastTimeGift = 60;  // a CLEAR gives 60..74 time units
inline constexpr int kFirstCourse = 1, kLastCourse = 6;
// Paths kept by the search in course runs: every official course is finished at this width, in a fraction
// of the time a wider search takes, and its difficulty figures keep the order of the ratings.
inline constexpr int kCourseBeamWidth = 4;

struct StageResult {
    int course = 0;  // 0: a stage file played on its own
    int stage = 0;   // index in the course
    std::string title;
    std::string path;
    std::string error;       // the file could not be read (then nothing was played)
    bool restarted = false;  // the run broke before this stage: played from a fresh course start
    StagePlay play;
    std::int32_t score = 0;     // the run's score after the stage (time bonus included)
    std::int32_t timeLeft = 0;  // time units after the stage
    std::int32_t hp = 0;        // lives after the stage
    bool cleared() const { return error.empty() && play.cleared(); }
};

struct CourseResult {
    int course = 0;
    std::vector<StageResult> stages;
    // Every stage cleared in one run, from the course start with the least time gift.
    bool completed() const;
};

// Where official stage c-s lies: DIR/mapC-S.dat.
std::string stagePath(const std::string& datDir, int course, int stage);
// Stages of a course by the engine's table (11, 11, 24, 11, 13, 10).
int courseStageCount(int course);

class CoursePlayer {
  public:
    explicit CoursePlayer(SearchLimits limits = {}) : limits_(limits) {}

    // One stage file as the first stage of a run with startTime units and the given lives.
    StageResult playFile(const std::string& path, std::int32_t startTime = kCourseStartTime,
                         std::int32_t lives = kCourseStartLives) const;
    // One stage file as zorban_runner plays it.
    StageResult playFileAsRunner(const std::string& path) const;
    // Course n from DIR: stage 0 onward in one run; after a stage that is not cleared the rest are
    // played from a fresh course start, marked as restarted.
    CourseResult playCourse(int course, const std::string& datDir) const;
    // Courses in parallel (jobs threads at most), results in course order.
    std::vector<CourseResult> playCourses(const std::vector<int>& courses, const std::string& datDir,
                                          int jobs) const;

  private:
    struct Loaded {
        StageData data;
        std::string error;
    };
    static Loaded load(const std::string& path);
    // Plays the stage file on a run already started in sim (an unreadable file gives the error only).
    StageResult playFileOn(StageSim& sim, const std::string& path) const;
    CourseResult playLoaded(int course, const std::string& datDir, const std::vector<Loaded>& stages) const;

    SearchLimits limits_;
};

}  // namespace solver
