// The verdict line: the solver plays the design after every change of the grid on a worker thread of its
// own, and the line shows what it found; a change while it runs drops that check for a new one.
#include "base/Translation.h"
#include "maker/CheckReport.h"
#include "maker/TForm1.h"
#include "ui/core/ControlStyle.h"

namespace maker {

void TForm1::wireVerdict() {
    ui::dress(verdict_l, "", ui::font(12, base::colours::Black),
              {{255, 128, 192}, true, ui::Align::Left, false});
    form.add(verdict_l);
    verdictTimer.onTimer = [this] { verdictTimerTimer(); };
    form.addTimer(verdictTimer);
    recheck();
    wireDemo();
}

void TForm1::recheck() {
    liveCheck_.restart({blockGrid, stageTitle, stageAuthor});
    verdict_l.setCaption(base::translateData("Check", kVerdictChecking));
    verdictTimer.start();
}

void TForm1::verdictTimerTimer() {
    auto result = liveCheck_.takeResult();
    if (!result) return;
    verdictTimer.stop();
    verdict_l.setCaption(verdictLine(*result));
}

}  // namespace maker
