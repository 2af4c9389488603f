// The game's rules and the user-stage player's variant of them.
#include "engine/Rules.h"
#include "base/Translation.h"

namespace engine {
namespace {

constexpr HitAward award(std::int32_t base, std::int32_t money = 0) {
    return {true, base, money};
}

}  // namespace

Rules Rules::game() {
    Rules r;
    auto& a = r.awards;
    a[White] = award(50, 3);
    for (int code = Hard1; code <= Hard8; ++code) a[code] = award(5);
    a[Bomb] = award(300);
    a[AllClear] = award(300);
    a[RowBomb] = award(200);
    a[TimeMinus] = award(500);
    a[Heal] = award(200);
    a[Blue] = award(150, 1);
    a[Multiply] = award(150);
    a[Poison] = award(500);
    a[Shrink] = award(100);
    a[Pink] = award(100, 2);
    a[Grow] = award(260);
    a[TimePlus] = award(200);
    a[PaleRed] = award(250, 1);
    a[Ex] = award(1000, 10);
    a[ExPlus] = award(5000, 25);
    a[Invisible] = award(300, 3);
    r.beatFrame1 = base::translate("Effects", "beat goes on*");
    r.beatFrame2 = base::translate("Effects", "beat goes on+");
    return r;
}

Rules Rules::runner() {
    Rules r = game();
    r.ballTickMs = 58;
    r.slowTickMs = 68;
    r.lossAfterWalls = true;
    r.tickLossBase = -30;
    r.cappedPoints = false;
    auto& a = r.awards;
    a[White] = award(50, 5);
    a[TimeMinus] = award(-20);
    a[Blue] = award(150, 2);
    a[Poison] = award(-10);
    a[Shrink] = award(-10);
    a[Pink] = award(100, 3);
    a[ExPlus] = award(5000, 30);
    r.allClearNote = base::translate("Effects", " 【CLEAR BLOCK!】");
    r.beatFrame1 = base::translate("Effects", "がんばってね★");
    r.beatFrame2 = base::translate("Effects", "がんばってね☆");
    r.serveEmptiesBannerLine2 = false;
    r.endButtonBlocksClicks = false;
    r.explosionOnlyInPlay = true;
    r.gameOverZeroesScore = true;
    r.logPace = LogPace{20, 40, 500, 100, 50};
    r.bannerAgesOnlyInPlay = false;
    r.colourBanner = false;
    r.status = StatusKind::Runner;
    r.start = StartRules{.runTime = kRunnerStartTime,
                         .courseRun = false,
                         .readyClick = false,
                         .runPerStage = true,
                         .barUnderBall = true,
                         .resetsTrail = false,
                         .emptiesBeatLine = false,
                         .opaqueBanner = false,
                         .addsTimeGift = false,
                         .logsAuthor = false,
                         .byLine = QT_TRANSLATE_NOOP("Effects", "by%1"),
                         .defaultTitle = QT_TRANSLATE_NOOP("Effects", "ななしちゅんステージ"),
                         .defaultAuthor = QT_TRANSLATE_NOOP("Effects", "ななしちゅんジ")};
    return r;
}

}  // namespace engine
