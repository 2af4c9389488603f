// Moves files: what the solver writes reads back the same and plays the same stage again; broken files
// are refused with the line named.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "SolverFixture.h"
#include "solver/MoveReplay.h"
#include "solver/MovesFile.h"
#include "solver/RunnerPlay.h"
#include "tests/base/TempDir.h"

namespace {

using solver::Move;

TEST(MovesFileTest, APlayRoundTripsAndPlaysTheSameAgain) {
    const solver::StageData data = solvertest::stage({"..#o#.....", "..###.....", "o.b.k....."});
    solver::StageSim sim(solver::kSolverSeed, engine::Rules::runner());
    const solver::StagePlay p = solver::solveForRunner(sim, data);
    ASSERT_TRUE(p.cleared());
    ASSERT_GT(p.explosions, 0) << "the walled block needs an explosion";

    const auto path = std::filesystem::temp_directory_path() / ("zorban_moves_" + std::to_string(::getpid()));
    solver::writeMovesFile(path.string(), p.moves);
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".partial"));
    const std::vector<Move> back = solver::readMovesFile(path.string());
    std::filesystem::remove(path);
    EXPECT_EQ(back, p.moves);

    solver::StageSim again(solver::kSolverSeed, engine::Rules::runner());
    again.startRunner();
    again.beginStage(data, 0);
    EXPECT_EQ(solver::replayMoves(again, back, p.ticks + 100), solver::Phase::Cleared);
    EXPECT_EQ(again.ticks(), p.ticks);
}

TEST(MovesFileTest, TextIsOneMoveALineAfterTheHeader) {
    const std::vector<Move> moves{{Move::Kind::Serve, 5, 0},
                                  {Move::Kind::Bar, 7, 31},
                                  {Move::Kind::Turn, 0, 40},
                                  {Move::Kind::Explode, 0, 52}};
    EXPECT_EQ(solver::movesText(moves),
              "zorban moves 1\r\nserve 5 @0\r\nbar 7 @31\r\nturn @40\r\nexplode @52\r\n");
    std::string error;
    const auto lf = solver::parseMoves(
        "# kept by hand\nzorban moves 1\n\nserve 5 @0\nbar 7 @31\nturn @40\nexplode @52\n", error);
    ASSERT_TRUE(lf) << error;
    EXPECT_EQ(*lf, moves);
}

TEST(MovesFileTest, BrokenFilesAreRefusedWithTheLine) {
    struct Row {
        const char* text;
        const char* error;
    };
    for (const Row& r : {Row{"", "empty"}, Row{"serve 5 @0\r\n", "line 1: not a moves file"},
                         Row{"zorban moves 1\r\nserve 11 @0\r\n", "line 2: not a move"},
                         Row{"zorban moves 1\r\nserve 0 @0\r\n", "line 2: not a move"},
                         Row{"zorban moves 1\r\nturn 3 @0\r\n", "line 2: not a move"},
                         Row{"zorban moves 1\r\njump @0\r\n", "line 2: not a move"},
                         Row{"zorban moves 1\r\nbar 3 @-1\r\n", "line 2: not a move"},
                         Row{"zorban moves 1\r\nbar 3 @99999999999999999999\r\n", "line 2: not a move"},
                         Row{"zorban moves 1\r\nbar 3\r\n", "line 2: not a move"},
                         Row{"zorban moves 1\r\nbar 3 @9\r\nbar 4 @8\r\n", "line 3: the tick goes back"}}) {
        std::string error;
        EXPECT_FALSE(solver::parseMoves(r.text, error)) << r.text;
        EXPECT_EQ(error.rfind(r.error, 0), 0u) << r.text << " -> " << error;
    }
    EXPECT_THROW(solver::readMovesFile("/nonexistent/moves"), std::runtime_error);
}

TEST(MovesFileTest, MoreMovesAtOneTickThanAPlayMakesAreRefused) {
    std::string text = "zorban moves 1\r\nserve 5 @0\r\n";
    for (int i = 0; i < 8; ++i) text += "turn @1\r\n";
    std::string error;
    EXPECT_TRUE(solver::parseMoves(text + "turn @2\r\n", error)) << error;
    EXPECT_FALSE(solver::parseMoves(text + "turn @1\r\n", error));
    EXPECT_EQ(error, "line 11: more than 8 moves at tick 1, more than a play makes");
}

TEST(MovesFileTest, ABadLineIsQuotedWithItsControlBytesEscaped) {
    std::string error;
    EXPECT_FALSE(solver::parseMoves("zorban moves 1\r\n\x1b]2;title\x07\\ \"\xE3\x81\x82 @1\r\n", error));
    EXPECT_EQ(error, R"(line 2: not a move: "\x1B]2;title\x07\x5C \x22\xE3\x81\x82 @1")");
}

// What readMovesFile says of path: its error, or "" when it read moves.
std::string readError(const std::string& path) {
    try {
        solver::readMovesFile(path);
        return "";
    } catch (const std::runtime_error& e) {
        return e.what();
    }
}

TEST(MovesFileTest, OnlyAWholeRegularFileIsRead) {
    testutil::TempDir dir;
    const std::string folder = dir.path().string();
    EXPECT_EQ(readError(folder), folder + ": a folder, not a file");

    // A pipe is refused at once (the base reader's own test frees a reader that would wait for a writer).
    const std::string pipe = dir.file("pipe.moves");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(readError(pipe), pipe + ": not a regular file");

    // A read that fails is reported, never taken for the end of a shorter file (this regular file's first
    // page cannot be read).
    EXPECT_EQ(readError("/proc/self/mem").rfind("/proc/self/mem: read failed after 0 bytes", 0), 0u)
        << readError("/proc/self/mem");
}

TEST(MovesFileTest, WritingLeavesALinkPlantedBesideTheFileAlone) {
    testutil::TempDir dir;
    const std::string out = dir.file("play.moves"), victim = dir.file("victim");
    testutil::writeAll(victim, "precious");
    // A link at the name of the old temporary file, and at the names a writer might guess.
    std::filesystem::create_symlink(victim, out + ".partial");
    std::filesystem::create_symlink(victim, out + ".tmp");
    const std::vector<Move> moves{{Move::Kind::Serve, 5, 0}, {Move::Kind::Turn, 0, 3}};
    solver::writeMovesFile(out, moves);
    EXPECT_EQ(testutil::readAll(victim), "precious");
    EXPECT_TRUE(std::filesystem::is_symlink(out + ".partial"));
    EXPECT_FALSE(std::filesystem::is_symlink(out));
    EXPECT_EQ(solver::readMovesFile(out), moves);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 4) << "no temporary left";
}

}  // namespace
