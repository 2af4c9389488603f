// The demo: F6 or the small button beside the verdict line has the runner play the design by itself.
#include "base/Translation.h"
#include "maker/TForm1.h"
#include "ui/core/ControlStyle.h"

namespace maker {
namespace {

constexpr int kDemoKey = ui::keys::F1 + 5;  // F6
constexpr const char* kDemoHint = QT_TRANSLATE_NOOP("Maker", "解き方を見る (F6)");

}  // namespace

void TForm1::wireDemo() {
    ui::dress(demo_b, base::translate("Maker", "解"), ui::font(11, base::colours::Black));
    demo_b.setHint(base::translateData("Maker", kDemoHint));
    demo_b.setTooltip(base::translateData("Maker", kDemoHint));
    demo_b.onClick = [this] { demo_bClick(); };
    form.add(demo_b);
    form.addKeyHandler([this](const ui::KeyEvent& e) {
        if (e.key != kDemoKey || e.ctrl || e.alt || e.shift) return false;
        if (!e.autoRepeat) demo_bClick();
        return true;
    });
}

void TForm1::demo_bClick() {
    closeStroke();
    playInRunner(demoFile_, true);
}

}  // namespace maker
