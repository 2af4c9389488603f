// Pause and go on: the timers a pause stopped, the countdown's part second, the P key, focus and the close
// box.
#include "engine/PauseControl.h"

#include <algorithm>

#include "base/Translation.h"
#include "engine/ControlAccess.h"
#include "ui/core/ControlStyle.h"

namespace engine {
namespace {

constexpr const char* kPauseText = QT_TRANSLATE_NOOP("Pause", "PAUSE");
constexpr const char* kCloseQuestion = QT_TRANSLATE_NOOP("Pause", "プレイ中です。終了しますか?");
constexpr int kLabelPx = 35;                     // the banner's size
constexpr int kLinePx = 16;                      // the line under it
constexpr base::Colour kLabelBack{128, 0, 255};  // the banner's purple

}  // namespace

PauseControl::PauseControl(const GameState& state, PlayControls& controls, const base::Clock& clock)
    : state_(state), c_(controls), clock_(clock), countdownStartMs_(clock.nowMs()) {}

std::vector<ui::Timer*> PauseControl::timers() const {
    std::vector<ui::Timer*> all;
    for (ui::Timer* t : {c_.Timer1, c_.Timer2, c_.Timer3, c_.Timer4, c_.Timer5, c_.Timer6, c_.Timer7})
        if (t) all.push_back(t);
    return all;
}

bool PauseControl::playGoingOn() const {
    return playGoesOn(state_.phase);
}

bool PauseControl::pause() {
    if (paused_ || !playGoingOn()) return false;
    if (running(c_.Timer5)) {
        const std::int64_t interval = intervalOf(c_.Timer5);
        // The countdown may have rested through ticks with nothing to do, keeping its beat: what has passed
        // of the current second is counted from the last tick it would have had.
        const std::int64_t since = clock_.nowMs() - countdownStartMs_;
        const std::int64_t passed = interval > 0 ? since % interval : since;
        countdownLeftMs_ =
            std::clamp<std::int64_t>(interval - passed, 1, std::max<std::int64_t>(interval, 1));
    }
    stopped_.clear();
    for (ui::Timer* t : timers())
        if (t->enabled()) {
            stopped_.push_back(t);
            t->stop();
        }
    paused_ = true;
    setCaption(c_.pause_l, base::translateData("Pause", kPauseText));
    setCaption(c_.pause_la, goOnText_);
    setShown(c_.pause_l, true);
    setShown(c_.pause_la, true);
    return true;
}

void PauseControl::resume() {
    if (!paused_) return;
    paused_ = false;
    setShown(c_.pause_l, false);
    setShown(c_.pause_la, false);
    for (ui::Timer* t : stopped_) {
        if (t == c_.Timer5) {
            // The rest of the second that had begun; countdownTicked restores the full interval.
            if (!countdownShortened_) countdownIntervalMs_ = t->interval();
            if (countdownLeftMs_ < countdownIntervalMs_) {
                t->setInterval(static_cast<int>(countdownLeftMs_));
                countdownShortened_ = true;
            }
            countdownStartMs_ = clock_.nowMs();
        }
        t->start();
    }
    stopped_.clear();
}

void PauseControl::toggle() {
    if (paused_)
        resume();
    else
        pause();
}

void PauseControl::countdownTicked() {
    countdownStartMs_ = clock_.nowMs();
    if (countdownShortened_) {
        countdownShortened_ = false;
        setInterval(c_.Timer5, countdownIntervalMs_);
    }
}

void PauseControl::useKeys(const PlayBindings& bindings) {
    bindings_ = bindings;
    goOnText_ = goOnText(bindings);
}

std::string PauseControl::goOnText(const PlayBindings& bindings) {
    const auto names = [](std::initializer_list<const PlayBindings::Keys*> lists) {
        std::string text;
        for (const PlayBindings::Keys* keys : lists)
            for (int key : *keys)
                if (key != 0) text += (text.empty() ? "" : " / ") + PlayBindings::nameOf(key);
        return text;
    };
    const std::string keys = names({&bindings.keys(PlayAction::Pause), &bindings.keys(PlayAction::Serve)});
    const std::string pad = names({&bindings.padButtons(PlayAction::Pause)});
    if (!keys.empty() && !pad.empty())
        return base::fillIn(base::translate("Pause", "%1 キー・%2 ボタン・クリックで再開"), keys, pad);
    if (!keys.empty()) return base::fillIn(base::translate("Pause", "%1 キー・クリックで再開"), keys);
    if (!pad.empty()) return base::fillIn(base::translate("Pause", "%1 ボタン・クリックで再開"), pad);
    return base::translate("Pause", "クリックで再開");
}

bool PauseControl::keyDown(const ui::KeyEvent& e) {
    if (!bindings_.is(PlayAction::Pause, e.key) || e.ctrl || e.alt) return false;
    if (!e.autoRepeat) toggle();
    return true;
}

void PauseControl::activationChanged(bool active, bool pauseOnFocusLoss) {
    if (!active && pauseOnFocusLoss && modalDialogs_ == 0) pause();
}

bool PauseControl::closeQuery(ui::Dialogs& dialogs) {
    if (!ballInPlay()) return true;
    const bool pausedHere = pause();
    bool close = false;
    {
        ModalDialog asking(*this);
        close = dialogs.confirm(base::translateData("Pause", kCloseQuestion));
    }
    if (!close && pausedHere) resume();
    return close;
}

void PauseControl::dressLabels(ui::Label& label, ui::Label& line) {
    ui::dress(label, base::translateData("Pause", kPauseText),
              ui::font(kLabelPx, base::colours::White, true, ui::kGothicP, true),
              {.back = kLabelBack, .align = ui::Align::Center});
    ui::dress(line, goOnText(PlayBindings()), ui::font(kLinePx, base::colours::White, true, ui::kGothicP),
              {.back = kLabelBack, .align = ui::Align::Center});
}

}  // namespace engine
