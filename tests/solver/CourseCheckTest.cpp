// The checks of the official courses, on made-up results, and the figures they rest on.
#include <gtest/gtest.h>

#include <algorithm>

#include "solver/CourseCheck.h"
#include "solver/ResultTable.h"

namespace {

using solver::CourseResult;
using solver::StageResult;

StageResult cleared(int course, int stage, std::int64_t ticks, std::int32_t timeUsed,
                    std::int32_t lives = 0) {
    StageResult s;
    s.course = course;
    s.stage = stage;
    s.title = "t";
    s.play.end = solver::Phase::Cleared;
    s.play.ticks = ticks;
    s.play.timeUsed = timeUsed;
    s.play.livesLost = lives;
    return s;
}

// Six courses of two stages, each course's time per stage given.
std::vector<CourseResult> courses(const std::array<std::int32_t, 6>& unitsPerStage) {
    std::vector<CourseResult> all;
    for (int c = 1; c <= 6; ++c) {
        CourseResult r;
        r.course = c;
        for (int s = 0; s < 2; ++s) r.stages.push_back(cleared(c, s, 400, unitsPerStage[c - 1]));
        all.push_back(r);
    }
    return all;
}

bool mentions(const std::vector<std::string>& problems, const std::string& text) {
    return std::any_of(problems.begin(), problems.end(),
                       [&](const std::string& p) { return p.find(text) != std::string::npos; });
}

// Rated order, easiest first: 2, 1, 4, 6, 3 (course 5 anywhere).
constexpr std::array<std::int32_t, 6> kInOrder{20, 10, 60, 30, 99, 40};

TEST(CourseCheckTest, CoursesInRatedOrderPass) {
    EXPECT_TRUE(solver::checkCourses(courses(kInOrder)).empty());
    // Course 5's rating is concealed: easiest or hardest of all is fine.
    for (std::int32_t five : {1, 500}) {
        auto units = kInOrder;
        units[4] = five;
        EXPECT_TRUE(solver::checkCourses(courses(units)).empty()) << five;
    }
}

TEST(CourseCheckTest, EachBrokenRuleIsNamed) {
    struct Row {
        const char* what;
        void (*spoil)(std::vector<CourseResult>&);
        const char* expected;
    };
    const Row rows[] = {
        {"too quick", [](auto& all) { all[0].stages[1].play.ticks = 99; },
         "course 1 stage 1 (t): cleared in 99 ticks"},
        {"not cleared",
         [](auto& all) {
             all[2].stages[0].play.end = solver::Phase::GameOver;
             all[2].stages[0].play.blocksLeft = 3;
             all[2].stages[0].timeLeft = 5;
         },
         "course 3 stage 0 (t): not cleared (no/lives, 3 blocks left"},
        {"run broken", [](auto& all) { all[2].stages[1].restarted = true; },
         "course 3: the run does not finish"},
        {"out of order", [](auto& all) { all[3].stages[0].play.timeUsed = 5; },
         "course 1 (difficulty 20.0) is rated easier than course 4 (difficulty 17.5)"},
        // Lost lives weigh in the difficulty: course 2 with a life lost per stage is harder than course 1.
        {"lives count",
         [](auto& all) {
             for (auto& s : all[1].stages) s.play.livesLost = 1;
         },
         "course 2 (difficulty 30.0) is rated easier than course 1 (difficulty 20.0)"},
    };
    for (const Row& row : rows) {
        auto all = courses(kInOrder);
        row.spoil(all);
        const auto problems = solver::checkCourses(all);
        EXPECT_TRUE(mentions(problems, row.expected))
            << row.what << ": " << (problems.empty() ? "" : problems.front());
    }
}

TEST(CourseCheckTest, DifficultyIsTimePerStageWithLivesWeighed) {
    CourseResult c;
    c.stages = {cleared(1, 0, 300, 30, 1), cleared(1, 1, 300, 50, 0)};
    EXPECT_DOUBLE_EQ(solver::difficultyOf(c), (30 + 50 + solver::kLifeWorthUnits) / 2);
    const solver::CourseTotals t = solver::totalsOf(c);
    EXPECT_EQ(t.timeUsed, 80);
    EXPECT_EQ(t.livesLost, 1);
    EXPECT_EQ(t.cleared, 2);
    EXPECT_TRUE(t.completed);
}

TEST(ResultTableTest, TitlesLineUpByTheirWidthOnScreen) {
    EXPECT_EQ(solver::displayWidth("abc"), 3);
    EXPECT_EQ(solver::displayWidth("ドレミ"), 6);
    EXPECT_EQ(solver::displayWidth("ｽﾃｰｼﾞ"), 5);  // half-width katakana
    EXPECT_EQ(solver::displayWidth("ＥＸ＋ラッシュ"), 14);
    EXPECT_EQ(solver::fitWidth("ドレミ", 5), "ドレ ");  // a wide character that does not fit goes
    EXPECT_EQ(solver::fitWidth("ab", 4), "ab  ");
    EXPECT_EQ(solver::displayWidth(solver::fitWidth("ペルトラ！！！ CORSE", 10)), 10);
}

TEST(ResultTableTest, StageLineSaysWhyAStageWasNotCleared) {
    StageResult s = cleared(3, 7, 1234, 56, 2);
    s.title = "要塞";
    s.score = 98765;
    const std::string line = solver::stageLine(s);
    EXPECT_NE(line.find("要塞"), std::string::npos);
    for (const char* field : {" 3 ", " 7 ", "yes", "1234", "56", "98765"})
        EXPECT_NE(line.find(field), std::string::npos) << field;

    struct Row {
        solver::Phase end;
        std::int32_t timeLeft;
        const char* text;
    };
    for (const Row& row :
         {Row{solver::Phase::GameOver, 0, "no/time"}, Row{solver::Phase::GameOver, 40, "no/lives"},
          Row{solver::Phase::InPlay, 40, "no/stuck"}}) {
        s.play.end = row.end;
        s.timeLeft = row.timeLeft;
        EXPECT_EQ(solver::clearedText(s), row.text);
    }
    s.play.searchCut = true;
    EXPECT_EQ(solver::clearedText(s), "no/cut");
    s.error = "ﾌｧｲﾙが見つかりません";
    EXPECT_EQ(solver::clearedText(s), "no/file");
    EXPECT_NE(solver::stageLine(s).find("ﾌｧｲﾙが見つかりません"), std::string::npos);
}

}  // namespace
