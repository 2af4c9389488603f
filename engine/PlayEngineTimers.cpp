// The real-time timers: log scrolling, combo blinking, the one-second countdown, the beat animation and
// banner colours.
#include <array>

#include "base/BmpFile.h"
#include "engine/ControlAccess.h"
#include "engine/EventLog.h"
#include "engine/PlayEngine.h"
#include "engine/Saturating.h"

namespace engine {
namespace {

constexpr int kBannerSeconds = 5;  // a banner goes at its sixth second
constexpr int kBeatMsPerUnit = 7;  // beat interval per time unit left
constexpr int kBeatFloorMs = 10, kBeatFastestMs = 11;
constexpr int kBeatMoveChance = 5;  // one beat in five moves the picture
constexpr std::array<int, 4> kBeatLefts{404, 449, 494, 539};
constexpr std::array<const char*, 2> kBeatPictures{"cg/usu1.bmp", "cg/usu2.bmp"};
constexpr base::Colour kBannerBackground{128, 0, 255};

void colourBanner(ui::Label* l, bool inPlay) {
    if (!l) return;
    l->setTransparent(inPlay);
    if (!inPlay) l->setBackground(kBannerBackground);
    const base::Colour text = inPlay ? base::colours::Fuchsia : base::colours::White;
    if (l->font().colour != text) l->setFontColour(text);
}

}  // namespace

void PlayEngine::Timer3Timer() {
    if (!c_.moji_l) return;
    const ScrolledLog scrolled = scrollLog(c_.moji_l->caption());
    c_.moji_l->setCaption(scrolled.text);
    setInterval(c_.Timer3, rules_.logPace.intervalFor(scrolled.bytes));
}

void PlayEngine::Timer4Timer() {
    if (!c_.combo_l) return;
    c_.combo_l->setVisible(ballInPlay() ? !c_.combo_l->visible() : true);
}

void PlayEngine::Timer5Timer() {
    pause_.countdownTicked();
    tmy& my = s_.my;
    if (ballInPlay()) {
        addSat(my.timeLeft, -1);
        if (my.timeLeft <= 0) {
            playSound0("5.wav");
            my.timeLeft = 0;
            log("  time out!!!");
            setCaption(c_.moji_l2a, "time out!!!");
            my.hp = 0;
            return;
        }
    }
    addSat(s_.effectTicks, -1);
    if (s_.effectTicks <= 0) {
        my.barHalfWidth = 1;
        s_.effectTicks = 0;
        setInterval(c_.Timer1, rules_.ballTickMs);
    }
    if (captionEmpty(c_.moji_l2)) {
        s_.bannerTicks = 0;
        return;
    }
    addSat(s_.bannerTicks, 1);
    if (s_.bannerTicks > kBannerSeconds && (!rules_.bannerAgesOnlyInPlay || ballInPlay())) {
        for (ui::Label* l : {c_.moji_l2, c_.moji_l3, c_.moji_l2a, c_.moji_l3a}) setCaption(l, "");
        s_.bannerTicks = 0;
    }
}

const base::Bitmap& PlayEngine::beatPicture(int frame) {
    auto& cached = beatPictures_[frame];
    if (!cached)
        cached = base::loadBmp(services_.programDir + kBeatPictures[static_cast<std::size_t>(frame)]);
    return *cached;
}

void PlayEngine::Timer6Timer() {
    if (!ballInPlay()) {
        setShown(c_.cg, false);
        return;
    }
    setShown(c_.cg, true);
    const bool firstFrame = captionOf(c_.play_l) == rules_.beatFrame1;
    setCaption(c_.play_l, firstFrame ? rules_.beatFrame2 : rules_.beatFrame1);
    if (c_.cg) c_.cg->setPicture(beatPicture(firstFrame ? 0 : 1));  // a missing picture ends the tick here
    const std::int64_t ms = static_cast<std::int64_t>(kBeatMsPerUnit) * s_.my.timeLeft;
    setInterval(c_.Timer6, ms <= kBeatFloorMs ? kBeatFastestMs : clampToInt32(ms));
    if (c_.cg && services_.random.next(kBeatMoveChance) == 0)
        c_.cg->moveTo(kBeatLefts[static_cast<std::size_t>(services_.random.next(4))], c_.cg->bounds().top);
}

void PlayEngine::Timer7Timer() {
    if (!rules_.colourBanner || captionEmpty(c_.moji_l2)) return;
    const bool inPlay = ballInPlay();
    colourBanner(c_.moji_l2, inPlay);
    colourBanner(c_.moji_l2a, inPlay);
}

void PlayEngine::Button1Click() {
    setInterval(c_.Timer1, kSlowDownTickMs);
}

}  // namespace engine
