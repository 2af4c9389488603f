// The real-time timers: log scrolling, combo blinking, the one-second countdown, the beat animation and
// banner colours.
#include "engine/PlayTimers.h"

#include <array>

#include "base/BmpFile.h"
#include "base/Translation.h"
#include "engine/ControlAccess.h"
#include "engine/EventLog.h"
#include "engine/PlayScreenColours.h"
#include "engine/Saturating.h"
#include "engine/SoundFiles.h"

namespace engine {
namespace {

constexpr int kBannerSeconds = 5;  // a banner goes at its sixth second
constexpr int kBeatMsPerUnit = 7;  // beat interval per time unit left
constexpr int kBeatFloorMs = 10, kBeatFastestMs = 11;
constexpr int kBeatMoveChance = 5;  // one beat in five moves the picture
constexpr std::array<int, 4> kBeatLefts{404, 449, 494, 539};
constexpr std::array<const char*, 2> kBeatPictures{"cg/usu1.bmp", "cg/usu2.bmp"};

base::Colour bannerText(bool inPlay) {
    return inPlay ? base::colours::Fuchsia : base::colours::White;
}

void colourLabel(ui::Label* l, bool inPlay) {
    if (!l) return;
    l->setTransparent(inPlay);
    if (!inPlay) l->setBackground(kBannerBack);
    const base::Colour text = bannerText(inPlay);
    if (l->font().colour != text) l->setFontColour(text);
}

bool labelColoured(const ui::Label* l, bool inPlay) {
    return !l || (l->transparent() == inPlay && (inPlay || l->background() == kBannerBack) &&
                  l->font().colour == bannerText(inPlay));
}

}  // namespace

void PlayTimers::scrollLog() {
    PlayControls& c = play_.controls();
    if (!c.moji_l) return;
    const ScrolledLog scrolled = engine::scrollLog(c.moji_l->caption());
    c.moji_l->setCaption(scrolled.text);
    setInterval(c.Timer3, play_.rules().logPace.intervalFor(scrolled.bytes));
}

void PlayTimers::blinkCombo() {
    PlayControls& c = play_.controls();
    if (!c.combo_l) return;
    c.combo_l->setVisible(play_.ballInPlay() ? !c.combo_l->visible() : true);
}

void PlayTimers::countdown() {
    pause_.countdownTicked();
    PlayControls& c = play_.controls();
    GameState& s = play_.state();
    tmy& my = s.my;
    if (play_.ballInPlay()) {
        addSat(my.timeLeft, -1);
        if (my.timeLeft <= 0) {
            play_.playSound0(sounds::kLifeLost);
            my.timeLeft = 0;
            play_.log(base::translate("Effects", "  time out!!!"));
            setCaption(c.moji_l2a, base::translate("Effects", "time out!!!"));
            my.hp = 0;
            return;
        }
    }
    addSat(s.effectTicks, -1);
    if (s.effectTicks <= 0) {
        my.barHalfWidth = 1;
        s.effectTicks = 0;
        setInterval(c.Timer1, play_.rules().serveTick());
    }
    if (captionEmpty(c.moji_l2)) {
        s.bannerTicks = 0;
        return;
    }
    addSat(s.bannerTicks, 1);
    if (s.bannerTicks > kBannerSeconds && (!play_.rules().bannerAgesOnlyInPlay || play_.ballInPlay())) {
        for (ui::Label* l : {c.moji_l2, c.moji_l3, c.moji_l2a, c.moji_l3a}) setCaption(l, "");
        s.bannerTicks = 0;
    }
}

const base::Bitmap& PlayTimers::beatPicture(int frame) {
    auto& cached = beatPictures_[frame];
    if (!cached)
        cached = base::loadBmp(play_.services().programDir + kBeatPictures[static_cast<std::size_t>(frame)]);
    return *cached;
}

void PlayTimers::beat() {
    PlayControls& c = play_.controls();
    if (!play_.ballInPlay()) {
        setShown(c.cg, false);
        return;
    }
    setShown(c.cg, true);
    const bool firstFrame = captionOf(c.play_l) == play_.rules().beatFrame1;
    setCaption(c.play_l, firstFrame ? play_.rules().beatFrame2 : play_.rules().beatFrame1);
    if (c.cg) c.cg->setPicture(beatPicture(firstFrame ? 0 : 1));  // a missing picture ends the tick here
    const std::int64_t ms = static_cast<std::int64_t>(kBeatMsPerUnit) * play_.state().my.timeLeft;
    setInterval(c.Timer6, ms <= kBeatFloorMs ? kBeatFastestMs : clampToInt32(ms));
    if (c.cg && play_.services().random.next(kBeatMoveChance) == 0)
        c.cg->moveTo(kBeatLefts[static_cast<std::size_t>(play_.services().random.next(4))],
                     c.cg->bounds().top);
}

void PlayTimers::colourBanner() {
    PlayControls& c = play_.controls();
    if (!play_.rules().colourBanner || captionEmpty(c.moji_l2)) return;
    const bool inPlay = play_.ballInPlay();
    colourLabel(c.moji_l2, inPlay);
    colourLabel(c.moji_l2a, inPlay);
}

bool PlayTimers::logStill() const {
    const PlayControls& c = play_.controls();
    return captionEmpty(c.moji_l) && intervalOf(c.Timer3) == play_.rules().logPace.intervalFor(0);
}

bool PlayTimers::comboStill() const {
    const PlayControls& c = play_.controls();
    return !play_.ballInPlay() && (!c.combo_l || c.combo_l->visible());
}

// Outside play the countdown only runs the effect time down and ages the banner; once both are over, and a
// banner that stays until the ball runs again has been counted past its last second, a tick changes nothing.
bool PlayTimers::countdownStill() const {
    const PlayControls& c = play_.controls();
    const GameState& s = play_.state();
    if (playGoesOn(s.phase) || pause_.countdownShortened()) return false;
    if (s.effectTicks != 0 || s.my.barHalfWidth != 1 || intervalOf(c.Timer1) != play_.rules().ballTickMs)
        return false;
    if (captionEmpty(c.moji_l2)) return s.bannerTicks == 0;
    return play_.rules().bannerAgesOnlyInPlay && s.bannerTicks > kBannerSeconds;
}

bool PlayTimers::beatStill() const {
    return !play_.ballInPlay() && !shown(play_.controls().cg);
}

bool PlayTimers::bannerStill() const {
    const PlayControls& c = play_.controls();
    if (!play_.rules().colourBanner || captionEmpty(c.moji_l2)) return true;
    const bool inPlay = play_.ballInPlay();
    return labelColoured(c.moji_l2, inPlay) && labelColoured(c.moji_l2a, inPlay);
}

void PlayTimers::slowDown() {
    setInterval(play_.controls().Timer1, kSlowDownTickMs);
}

}  // namespace engine
