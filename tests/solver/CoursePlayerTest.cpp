// Runs of courses: lives, time and score carried from stage to stage, the least time gift, a run that
// breaks, and stage files that cannot be read.
#include <gtest/gtest.h>

#include <filesystem>

#include "SolverFixture.h"
#include "solver/CoursePlayer.h"
#include "tests/base/TempDir.h"

namespace {

using solver::CoursePlayer;
using solver::CourseResult;
using solver::StageResult;
using solvertest::stage;
using solvertest::writeStage;

constexpr int kCourse = 1;

// Writes course 1 into dir: stage s from make(s), or nothing where make gives no rows.
template <class Make>
void writeCourse(const testutil::TempDir& dir, Make make) {
    const int stages = solver::courseStageCount(kCourse);
    for (int s = 0; s < stages; ++s) {
        const std::vector<std::string> rows = make(s);
        if (!rows.empty())
            writeStage(solver::stagePath(dir.path().string(), kCourse, s),
                       stage(rows, "s" + std::to_string(s)));
    }
}

TEST(CoursePlayerTest, StageFilesAreNamedByCourseAndStage) {
    EXPECT_EQ(solver::stagePath("dat", 2, 3), "dat/map2-3.dat");
    EXPECT_EQ(solver::stagePath("dat/", 3, 23), "dat/map3-23.dat");
    const int counts[] = {11, 11, 24, 11, 13, 10};
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(solver::courseStageCount(c), counts[c - 1]) << "course " << c;
}

TEST(CoursePlayerTest, CarriesTimeLivesAndScoreThroughTheRun) {
    testutil::TempDir dir;
    // Stage 2 holds a poison block; every stage has a few blocks.
    writeCourse(dir, [](int s) {
        return s == 2 ? std::vector<std::string>{"..........", "..o.p.o..."}
                      : std::vector<std::string>{"..o...o...", "....b....."};
    });
    solver::SearchLimits narrow;
    narrow.beamWidth = 4;
    const CourseResult run = CoursePlayer(narrow).playCourse(kCourse, dir.path().string());
    ASSERT_EQ(run.stages.size(), 11u);
    EXPECT_TRUE(run.completed());
    std::int32_t time = solver::kCourseStartTime, hp = solver::kCourseStartLives, score = 0;
    for (const StageResult& s : run.stages) {
        ASSERT_TRUE(s.cleared()) << s.stage;
        EXPECT_FALSE(s.restarted);
        EXPECT_EQ(s.title, "s" + std::to_string(s.stage));
        // Each CLEAR gives the least time gift to the next stage.
        EXPECT_EQ(s.timeLeft, time - s.play.timeUsed) << "stage " << s.stage;
        EXPECT_EQ(s.hp, hp - s.play.livesLost) << "stage " << s.stage;
        EXPECT_GT(s.score, score);
        time = s.timeLeft + solver::kLeastTimeGift;
        hp = s.hp;
        score = s.score;
    }
    EXPECT_EQ(run.stages[2].play.livesLost, 1);
    EXPECT_EQ(run.stages.back().hp, solver::kCourseStartLives - 1);
}

TEST(CoursePlayerTest, ABrokenRunGoesOnFromFreshStarts) {
    testutil::TempDir dir;
    // Stage 3 cannot be cleared and stage 5 is missing.
    writeCourse(dir, [](int s) {
        if (s == 3) return std::vector<std::string>{"..........", "....!....."};
        if (s == 5) return std::vector<std::string>{};
        return std::vector<std::string>{"..o...o..."};
    });
    solver::SearchLimits quick;
    quick.simTickBudget = 50'000;
    const CourseResult run = CoursePlayer(quick).playCourse(kCourse, dir.path().string());
    ASSERT_EQ(run.stages.size(), 11u);
    EXPECT_FALSE(run.completed());
    for (const StageResult& s : run.stages) {
        EXPECT_EQ(s.cleared(), s.stage != 3 && s.stage != 5) << s.stage;
        EXPECT_EQ(s.restarted, s.stage > 3) << s.stage;
        EXPECT_EQ(s.error.empty(), s.stage != 5) << s.stage;
    }
    // After the break each stage starts as a course does.
    EXPECT_EQ(run.stages[4].timeLeft, solver::kCourseStartTime - run.stages[4].play.timeUsed);
    EXPECT_EQ(run.stages[4].hp, solver::kCourseStartLives);
}

TEST(CoursePlayerTest, TheRunBreaksWhenTheStagesTakeMoreThanTheGift) {
    testutil::TempDir dir;
    // Eight time-minus blocks take 80 units a stage, and a hard block keeps the ball busy some seconds.
    writeCourse(dir, [](int) {
        return std::vector<std::string>{"..........", ".--------.", "..........", "....4....."};
    });
    solver::SearchLimits quick;
    quick.simTickBudget = 30'000;
    quick.beamWidth = 4;
    const CourseResult run = CoursePlayer(quick).playCourse(kCourse, dir.path().string());
    EXPECT_FALSE(run.completed());
    const auto broke =
        std::find_if(run.stages.begin(), run.stages.end(), [](const StageResult& s) { return !s.cleared(); });
    ASSERT_NE(broke, run.stages.end());
    ASSERT_GT(broke->stage, 0);
    // It broke for want of time: each stage began with less than the one before.
    for (int s = 0; s < broke->stage; ++s)
        EXPECT_GT(run.stages[s].play.timeUsed, solver::kLeastTimeGift) << "stage " << s;
    EXPECT_LT(broke->timeLeft, 10);
}

TEST(CoursePlayerTest, AStageFileAloneIsTheFirstStageOfARun) {
    testutil::TempDir dir;
    const std::string path = dir.file("one.usr");
    writeStage(path, stage(solvertest::kOneBlock, "ひとつ"));
    const StageResult r = CoursePlayer().playFile(path);
    EXPECT_TRUE(r.cleared());
    EXPECT_EQ(r.title, "ひとつ");
    EXPECT_EQ(r.course, 0);
    EXPECT_EQ(r.timeLeft, solver::kCourseStartTime - r.play.timeUsed);

    const StageResult missing = CoursePlayer().playFile(dir.file("none.usr"));
    EXPECT_FALSE(missing.cleared());
    EXPECT_FALSE(missing.error.empty());
}

}  // namespace
