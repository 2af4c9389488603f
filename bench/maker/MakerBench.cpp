// The editor's checks and undo history. Goals: the verdict line on a typical stage within 50 ms and a
// search it cuts short within 200 ms; 判定 on a typical stage within 50 ms too; a hundred undo steps of a
// typical field within 1 MB. The checks run on a worker thread: the CPU column counts the whole process.
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "maker/EditHistory.h"
#include "maker/StageCheck.h"

namespace {

using namespace engine;

// Rows of whites, blues, hard blocks and a few special kinds over an open lower half.
BlockGrid typicalField() {
    BlockGrid g;
    const std::int32_t rows[6] = {Pink, Hard2, White, Blue, PaleRed, White};
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= kFieldCols; ++c) g.set(c, r + 1, rows[r - 1]);
    g.set(3, 4, Bomb);
    g.set(8, 5, TimePlus);
    g.set(5, 3, Wall);
    return g;
}

// Blocks sealed off by walls: only explosions open them. The verdict line's budget runs out before a way
// is found (a search cut short); 判定's whole budget finds one.
BlockGrid sealedField() {
    BlockGrid g;
    for (int c = 1; c <= kFieldCols; ++c) {
        g.set(c, 1, White);
        g.set(c, 2, Wall);
        g.set(c, 6, c % 2 ? Hard3 : Blue);
    }
    return g;
}

maker::CheckResult check(const BlockGrid& grid, bool live = false) {
    // As the window makes them: the line with its smaller budget, 判定 with the whole one; both narrow first.
    maker::StageCheck c(live ? maker::liveCheckLimits() : solver::SearchLimits{}, true);
    c.start({grid, "bench", "bench"});
    for (;;) {
        if (auto r = c.takeResult()) return *r;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// Checks the field that field() makes on every iteration (the making timed too); counts the last result.
maker::CheckResult checkEach(benchmark::State& st, BlockGrid (*field)(), bool live = false) {
    maker::CheckResult r;
    for (auto _ : st) r = check(field(), live);
    st.counters["cleared"] = r.play.cleared();
    st.counters["simTicks"] = static_cast<double>(r.play.simTicks);
    return r;
}

void BM_CheckTypicalStage(benchmark::State& st) {
    checkEach(st, typicalField);
}
BENCHMARK(BM_CheckTypicalStage)->Unit(benchmark::kMillisecond)->Repetitions(5)->MeasureProcessCPUTime();

void BM_VerdictLineTypicalStage(benchmark::State& st) {
    checkEach(st, typicalField, true);
}
BENCHMARK(BM_VerdictLineTypicalStage)->Unit(benchmark::kMillisecond)->Repetitions(5)->MeasureProcessCPUTime();

void BM_VerdictLineCutShort(benchmark::State& st) {
    st.counters["cut"] = checkEach(st, sealedField, true).play.searchCut;
}
BENCHMARK(BM_VerdictLineCutShort)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->MeasureProcessCPUTime();

// 判定 on the walled field: with its whole budget it finds the explosions that open the walls.
void BM_CheckWalledStage(benchmark::State& st) {
    st.counters["cut"] = checkEach(st, sealedField).play.searchCut;
}
BENCHMARK(BM_CheckWalledStage)->Unit(benchmark::kMillisecond)->Iterations(1)->MeasureProcessCPUTime();

// A hundred strokes of one cell each over a typical field: what recording costs and what the list holds.
void BM_HistoryOfAHundredStrokes(benchmark::State& st) {
    std::size_t bytes = 0;
    for (auto _ : st) {
        maker::EditHistory h;
        maker::Design d{typicalField(), "bench", "bench"};
        for (int i = 0; i < static_cast<int>(maker::EditHistory::kMaxSteps); ++i) {
            h.record(d, false);
            d.grid.set(1 + i % kFieldCols, 8 + i / kFieldCols % 10, White);
        }
        bytes = h.bytes();
        benchmark::DoNotOptimize(bytes);
    }
    st.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_HistoryOfAHundredStrokes)->Unit(benchmark::kMicrosecond);

}  // namespace
