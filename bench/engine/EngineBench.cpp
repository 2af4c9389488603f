// Speed of the engine: a full field painted, one ball tick with and without drawing, one status tick.
// Goals: painting and a drawn tick within 100 µs, at least a million undrawn ticks a second, a status
// tick within 20 µs.
#include <benchmark/benchmark.h>

#include "engine/FieldPainter.h"
#include "engine/HeadlessPlay.h"
#include "ui/core/HeadlessPlatform.h"

namespace {

using namespace engine;

// Every cell holds a block, labelled and flashing kinds included.
BlockGrid fullField() {
    BlockGrid g;
    for (int c = 1; c <= kFieldCols; ++c)
        for (int r = 1; r <= kFieldRows; ++r) g.set(c, r, 1 + (c * 3 + r * 7) % 29);
    return g;
}

// A field that a bouncing ball never changes: walls and undrawn codes it reflects from, and room to move.
BlockGrid steadyField() {
    BlockGrid g;
    for (int c = 1; c <= kFieldCols; ++c)
        for (int r = 1; r <= 6; ++r) g.set(c, r, (c + r) % 2 ? Wall : 31);
    return g;
}

struct Bench {
    ui::HeadlessPlatform platform{"/nonexistent/"};
    NullSoundSink sound;
    HeadlessPlay play{platform.services(), sound};
};

void BM_PaintFullField(benchmark::State& st) {
    Bench b;
    b.play.state.blockGrid = fullField();
    b.play.state.my.ballX = 5;
    b.play.state.my.ballY = 12;
    resetTrail(b.play.state.my);
    for (auto _ : st) {
        drawBlocks(b.play.main_box, b.play.state.blockGrid, b.play.state.colourPhase);
        drawBall(b.play.main_box, b.play.state);
        benchmark::DoNotOptimize(b.play.main_box.picture().data());
    }
}
BENCHMARK(BM_PaintFullField)->Unit(benchmark::kMicrosecond);

// The ball bounces between the blocks and a bar kept under it; drawing on or off.
void BM_BallTick(benchmark::State& st, bool drawing) {
    Bench b;
    b.play.engine.setDrawing(drawing);
    b.play.beginStage(steadyField());
    b.play.serveFrom(9);
    b.play.state.ballDX = 1;
    for (auto _ : st) {
        b.play.moveTo(kCellWidth * (b.play.state.my.ballX - 1));
        b.play.engine.Timer1Timer();
        if (!b.play.engine.ballInPlay()) b.play.leftClick();
    }
    st.SetItemsProcessed(st.iterations());
}
BENCHMARK_CAPTURE(BM_BallTick, Drawn, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BallTick, Headless, false)->Unit(benchmark::kNanosecond);

// The status tick with nothing changed, and with the score, combo and time changing every tick.
void BM_StatusTick(benchmark::State& st, bool changing) {
    Bench b;
    b.play.beginStage(fullField(), "ベンチ", "bench");
    b.play.serveFrom(5);
    tmy& my = b.play.state.my;
    for (auto _ : st) {
        if (changing) {
            my.score += 1234;
            my.combo = 1 + my.combo % 120;
            my.timeLeft = 1 + (my.timeLeft + 1) % 900;
            my.money = (my.money + 1) % 99'999;
        }
        b.play.engine.Timer2Timer();
    }
}
BENCHMARK_CAPTURE(BM_StatusTick, Steady, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StatusTick, Changing, true)->Unit(benchmark::kMicrosecond);

}  // namespace
