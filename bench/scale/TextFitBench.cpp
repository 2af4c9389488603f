// Cost of a label taking a new caption: the text is fitted to its box again (drawn pixels measured) before
// the next paint. The status tick sets the combo, time and score labels as often as every 10 ms, so one
// fit must stay far below that.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <string>

#include "ui/core/Widgets.h"
#include "ui/qt/LabelView.h"

namespace {

// args: scale, which label (0: the combo label, one line; 1: the status block, eight wrapped lines)
void BM_LabelCaption(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    const bool block = state.range(1) != 0;
    ui::Label label(block ? "state_l" : "combo_l",
                    block ? ui::Rect{404, 88, 197, 129} : ui::Rect{404, 192, 106, 24});
    ui::Font f;
    f.px = block ? 13 : 24;
    f.bold = true;
    label.setFont(f);
    label.setWordWrap(block);
    QWidget window;  // a parent, so the view takes its box from the control
    ui::qt::LabelView view(label, &window);
    view.setScale(scale);
    view.apply();
    long n = 0;
    for (auto _ : state) {
        const std::string value = std::to_string(n++ % 1000000);
        label.setCaption(block ? "HP:99/99 mHP:50/50\r\r\rステージ：11/11\rスピード:56 (変化時間:" + value +
                                     ")\r\r▼お金: 99999 moon円\rMAXCOMBO:" + value + "(HI:999999999)"
                               : value + " combo");
        view.apply();
        benchmark::DoNotOptimize(view.fitted().stretch());
    }
    state.SetLabel(std::to_string(scale) + "x" + (block ? " status block" : " combo"));
}
BENCHMARK(BM_LabelCaption)->ArgsProduct({{1, 2, 3}, {0, 1}})->Unit(benchmark::kMicrosecond);

// The event log scrolling: a line of notes about as long as the log keeps (80 code page 932 bytes), one
// character off its front at each step, down to empty and again. arg: scale
void BM_LogScroll(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    ui::Label label("moji_l", ui::Rect{0, 400, 401, 25});
    ui::Font f;
    f.px = 24;
    label.setFont(f);
    label.setWordWrap(true);
    QWidget window;
    ui::qt::LabelView view(label, &window);
    view.setScale(scale);
    view.apply();
    const QString line =
        QString::fromUtf8("  【スピードアップ!】 +120点 3combo!  【バー縮小】  time out!!! 【Time -5!】");
    qsizetype at = 0;
    for (auto _ : state) {
        label.setCaption(line.mid(at).toStdString());
        at = at + 1 < line.size() ? at + 1 : 0;
        view.apply();
        benchmark::DoNotOptimize(view.fitted().stretch());
    }
    state.SetLabel(std::to_string(scale) + "x log");
}
BENCHMARK(BM_LogScroll)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace
