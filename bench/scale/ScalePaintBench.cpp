// Cost of one repaint of the play field's image view at each window scale. The field repaints every ball
// tick (56 ms) and up to 61 times in a row during an explosion, so one paint must stay far below a frame.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include "base/Bitmap.h"
#include "ui/core/Dialogs.h"
#include "ui/core/Dispatcher.h"
#include "ui/core/Image.h"
#include "ui/qt/ImageView.h"

namespace {

constexpr int kFieldPx = 400;  // the play image is 400 × 400 model px

// args: scale, transparent (0/1)
void BM_PaintField(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    ui::Image image("main_box", {0, 0, kFieldPx, kFieldPx});
    base::Bitmap pic(kFieldPx, kFieldPx, base::colours::Black);
    for (int y = 0; y < kFieldPx; ++y)
        for (int x = 0; x < kFieldPx; ++x)
            if ((x / 40 + y / 20) % 2) pic.setPixel(x, y, base::colours::Yellow);
    image.setPicture(pic);
    image.setTransparent(state.range(1) != 0);
    QWidget window;  // a parent, so the view takes its box from the control
    ui::ScriptedDialogs dialogs;
    ui::Dispatcher dispatcher(dialogs);
    ui::qt::ImageView view(image, dispatcher, &window);
    view.setScale(scale);
    view.apply();
    QImage target(kFieldPx * scale, kFieldPx * scale, QImage::Format_RGB32);
    for (auto _ : state) {
        view.apply();  // as after each tick's drawing: the see-through copy is made again
        view.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetLabel(std::to_string(scale) + "x" + (state.range(1) ? " see-through" : ""));
}
BENCHMARK(BM_PaintField)->ArgsProduct({{1, 2, 3}, {0, 1}})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // The views paint into an image: no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
