// Fuzzes the moves-file reader: any bytes are moves or are refused with the line named, and an error never
// holds a control byte. Moves that parsed are written as zorban_solve writes them and read back from the
// file: the same moves. Then they are replayed on a small stage for at most a few thousand ball ticks: the
// replay of any file a reader takes stays bounded in time and memory.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/Rules.h"
#include "fuzz/TempFile.h"
#include "solver/MoveReplay.h"
#include "solver/MovesFile.h"
#include "solver/StageSim.h"

namespace {

constexpr std::int64_t kMaxReplayTicks = 3000;

// Two blocks and a wall: enough for serves, turns, explosions and a lost ball.
const solver::StageData& smallStage() {
    static const solver::StageData stage = [] {
        solver::StageData s;
        s.grid.set(3, 4, engine::White);
        s.grid.set(8, 6, engine::Blue);
        s.grid.set(5, 2, engine::Wall);
        s.title = "fuzz";
        return s;
    }();
    return stage;
}

bool printable(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7e) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzzfile::TempFile file("moves");
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto moves = solver::parseMoves(text, error);
    if (!moves) {
        if (!(error.starts_with("line ") || error == "empty: not a moves file") || !printable(error))
            __builtin_trap();
        return 0;
    }
    // No more moves at one tick than a play makes, in tick order.
    for (std::size_t i = 0, run = 0; i < moves->size(); ++i) {
        run = i > 0 && (*moves)[i].atTick == (*moves)[i - 1].atTick ? run + 1 : 1;
        if (run > static_cast<std::size_t>(solver::kMaxMovesPerTick)) __builtin_trap();
        if (i > 0 && (*moves)[i].atTick < (*moves)[i - 1].atTick) __builtin_trap();
    }
    solver::writeMovesFile(file.path(), *moves);
    if (solver::readMovesFile(file.path()) != *moves) __builtin_trap();

    solver::StageSim sim(solver::kSolverSeed, engine::Rules::runner());
    sim.startRunner();
    sim.beginStage(smallStage(), 0);
    solver::replayMoves(sim, *moves, kMaxReplayTicks);
    if (sim.ticks() > kMaxReplayTicks) __builtin_trap();
    return 0;
}
