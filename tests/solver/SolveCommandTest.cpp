// The command line of zorban_solve: arguments, report and exit status.
#include <gtest/gtest.h>

#include <sstream>

#include "SolverFixture.h"
#include "solver/CoursePlayer.h"
#include "solver/MovesFile.h"
#include "solver/SolveCommand.h"
#include "tests/base/TempDir.h"

namespace {

struct Outcome {
    int status = 0;
    std::string out, err;
};

Outcome run(std::vector<std::string> args) {
    std::ostringstream out, err;
    Outcome r;
    r.status = solver::runSolveCommand(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(SolveCommandTest, BadArgumentsShowTheUsage) {
    const std::vector<std::vector<std::string>> bad{
        {},
        {"--course", "7", "--dat", "d"},
        {"--course", "1"},
        {"--all"},
        {"--all", "--dat", "d", "a.usr"},
        {"--course", "x", "--dat", "d"},
        {"--frobnicate", "a.usr"},
        {"--check", "a.usr"},
        {"--beam"},
    };
    for (const auto& args : bad) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, solver::kExitUsage) << (args.empty() ? "" : args.front());
        EXPECT_TRUE(has(r.err, "Usage: zorban_solve"));
        EXPECT_TRUE(r.out.empty());
    }
    for (const char* word : {"--help", "-h"}) {
        const Outcome help = run({word});
        EXPECT_EQ(help.status, solver::kExitAllCleared);
        EXPECT_TRUE(has(help.out, "--course N --dat DIR"));
        std::istringstream lines(help.out);
        for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 100u) << line;
    }
}

TEST(SolveCommandTest, StageFilesOneLineEach) {
    testutil::TempDir dir;
    solvertest::writeStage(dir.file("a.usr"), solvertest::stage(solvertest::kOneBlock, "ひとつ"));
    solvertest::writeStage(dir.file("b.usr"), solvertest::stage({"..........", "oo.o.o.b.."}, "いくつか"));

    const Outcome good = run({dir.file("a.usr"), "--moves", dir.file("b.usr")});
    EXPECT_EQ(good.status, solver::kExitAllCleared);
    EXPECT_TRUE(has(good.out, "ひとつ"));
    EXPECT_TRUE(has(good.out, "いくつか"));
    EXPECT_TRUE(has(good.out, "  moves: serve 5 @0;"));

    solvertest::writeStage(dir.file("c.usr"), solvertest::stage({"..........", "....!....."}, "むり"));
    const Outcome bad = run({dir.file("a.usr"), dir.file("missing.usr"), "--field", "--no-explosions",
                             "--time", "10", dir.file("c.usr")});
    EXPECT_EQ(bad.status, solver::kExitNotCleared);
    EXPECT_TRUE(has(bad.out, "no/file"));
    EXPECT_TRUE(has(bad.out, "    ....!....."));  // the field left
}

TEST(SolveCommandTest, MovesFileOfOneStagePlayedAsTheRunner) {
    testutil::TempDir dir;
    solvertest::writeStage(dir.file("a.usr"), solvertest::stage(solvertest::kOneBlock, "ひとつ"));
    const Outcome r = run({"--runner", "--moves-file", dir.file("a.moves"), dir.file("a.usr")});
    EXPECT_EQ(r.status, solver::kExitAllCleared) << r.err;
    const std::vector<solver::Move> moves = solver::readMovesFile(dir.file("a.moves"));
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.front(), (solver::Move{solver::Move::Kind::Serve, 5, 0}));
    EXPECT_EQ(run({"--moves-file", dir.file("b.moves"), dir.file("a.usr"), dir.file("a.usr")}).status,
              solver::kExitUsage);
    EXPECT_EQ(run({"--runner", "--all", "--dat", dir.path().string()}).status, solver::kExitUsage);
}

TEST(SolveCommandTest, AllCoursesWithTheirTotalsAndChecks) {
    testutil::TempDir dir;
    for (int c = solver::kFirstCourse; c <= solver::kLastCourse; ++c) {
        const int stages = solver::courseStageCount(c);
        for (int s = 0; s < stages; ++s)
            solvertest::writeStage(solver::stagePath(dir.path().string(), c, s),
                                   solvertest::stage(solvertest::kOneBlock));
    }

    const Outcome all = run({"--all", "--dat", dir.path().string(), "--check", "--jobs", "2"});
    // Every stage is cleared, but each in 13 ticks: the checks fail.
    EXPECT_EQ(all.status, solver::kExitNotCleared);
    EXPECT_TRUE(has(all.out, "course stages cleared run"));
    EXPECT_TRUE(has(all.out, "     3     24      24 ok "));
    EXPECT_TRUE(has(all.out, "checks broken:"));
    EXPECT_TRUE(has(all.out, "course 3 stage 23 (test): cleared in 13 ticks, fewer than 100"));

    const Outcome one = run({"--course", "2", "--dat", dir.path().string()});
    EXPECT_EQ(one.status, solver::kExitAllCleared);
    EXPECT_TRUE(has(one.out, "     2    10 test"));
    EXPECT_FALSE(has(one.out, "     1     0 test"));
}

}  // namespace
