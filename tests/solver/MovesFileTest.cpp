// Moves files: what the solver writes reads back the same and plays the same stage again; broken files
// are refused with the line named.
#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

#include <fstream>

#include "SolverFixture.h"
#include "solver/MoveReplay.h"
#include "solver/MovesFile.h"
#include "solver/RunnerPlay.h"

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

}  // namespace
