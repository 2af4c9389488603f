// Block effects: what a hit on each code does and the clears of bombs, row blasts and the all-clear.
#include "engine/BlockEffects.h"

#include <array>

#include "base/Translation.h"
#include "engine/ControlAccess.h"
#include "engine/Saturating.h"
#include "engine/SoundFiles.h"

namespace engine {
namespace {

// The part of a hit that every kind shares, in this order: sound, mHP, clear, note, points, note, money.
struct HitSteps {
    const char* sound = nullptr;  // file of the dat folder
    int channel = 0;
    int mhp = 0;                  // added to the mHP gauge
    bool clears = false;          // the hit cell becomes empty
    const char* noteBefore = "";  // logged before the points
    const char* noteAfter = "";   // logged after the points
};

constexpr std::array<HitSteps, kBlockCodeCount> kHitSteps = [] {
    std::array<HitSteps, kBlockCodeCount> t{};
    t[White] = {sounds::kWhite, 0, 1, true};
    for (int code = Hard1; code <= Hard8; ++code) t[code] = {sounds::kHard, 0, 0, false};
    t[Bomb] = {sounds::kExplosion, 1, 0, true};
    t[Slow] = {sounds::kItem, 0, 0, true};
    t[AllClear] = {sounds::kExplosion, 0, 0, false};
    t[Wall] = {sounds::kWall, 0, 0, false};
    t[RowBomb] = {sounds::kExplosion, 1, 0, true};
    t[TimeMinus] = {sounds::kItem, 0, 0, true, "", QT_TRANSLATE_NOOP("Effects", " 【Time -10】")};
    t[Heal] = {sounds::kItem, 0, 0, true, "", QT_TRANSLATE_NOOP("Effects", " 【HP +1】")};
    t[Blue] = {sounds::kBlue, 0, 1, true};
    t[Multiply] = {sounds::kMultiply, 0, 0, true, QT_TRANSLATE_NOOP("Effects", " 【増殖!】")};
    t[Poison] = {sounds::kItem, 0, 0, true, "", QT_TRANSLATE_NOOP("Effects", " 【HP-1damege!!】")};
    t[Shrink] = {sounds::kItem, 0, 0, true, "", QT_TRANSLATE_NOOP("Effects", " 【SMALL!!】")};
    t[Pink] = {sounds::kPink, 0, 1, true};
    t[Grow] = {sounds::kItem, 0, 0, true, "", QT_TRANSLATE_NOOP("Effects", " 【LONG!!】")};
    t[TimePlus] = {sounds::kItem, 0, 0, true, "", QT_TRANSLATE_NOOP("Effects", " 【Time +10】")};
    t[PaleRed] = {sounds::kPaleRed, 0, 1, true};
    t[Ex] = {sounds::kEx, 0, 0, true, QT_TRANSLATE_NOOP("Effects", " 【EX point!】→")};
    t[ExPlus] = {sounds::kEx, 0, 0, true, QT_TRANSLATE_NOOP("Effects", " 【EX+ point!】→")};
    t[Invisible] = {sounds::kPink, 0, 1, true};
    return t;
}();

constexpr int kOwnCellSlot = 4;    // bombs and row blasts spread only from slots 1..3
constexpr int kClearColumns = 20;  // row blasts and the all-clear reach into the right margin
constexpr int kAllClearRows = 40;  // and the all-clear into the lower one
constexpr std::int32_t kTimeBlockUnits = 10;

}  // namespace

bool BlockEffects::applyHit(int x, int y, int slot) {
    GameState& state = play_.state();
    BlockGrid& grid = state.blockGrid;
    tmy& my = state.my;
    const std::int32_t code = grid.at(x, y);
    if (code < 0 || code >= kBlockCodeCount) return false;  // unknown codes are solid but inert
    if (code == Bar) {
        addSat(my.combo, 1);
        play_.playSound0(sounds::kBar);
        play_.steerFromBar();
        return false;
    }
    const HitSteps& steps = kHitSteps[code];
    if (!steps.sound) return false;  // empty and deadly cells

    if (steps.channel == 0)
        play_.playSound0(steps.sound);
    else
        play_.playSound1(steps.sound);
    addSat(my.mhp, steps.mhp);
    if (steps.clears) grid.set(x, y, Empty);
    play_.log(base::translateData("Effects", steps.noteBefore));
    const HitAward& award = play_.rules().awards[code];
    if (award.scores) play_.addPoints(award.base);
    play_.log(base::translateData("Effects", steps.noteAfter));
    addSat(my.money, award.money);

    if (code >= Hard1 && code <= Hard8) {  // one step softer
        grid.set(x, y, code - 1);
        return false;
    }
    switch (code) {
        case Bomb:
            if (slot != kOwnCellSlot) clearAround(x, y);
            animation_.burst(31, 2, 1, 2);
            break;
        case Slow:
            state.effectTicks = kEffectSeconds;
            setInterval(play_.controls().Timer1, play_.rules().slowTick());
            break;
        case AllClear:
            play_.log(play_.rules().allClearNote);
            animation_.burst(61, 8, 4, 1);
            clearField();
            return true;
        case RowBomb:
            if (slot != kOwnCellSlot) {
                clearRow(y);
                animation_.rowFlash();
            }
            break;
        case TimeMinus:
            addSat(my.timeLeft, -kTimeBlockUnits);
            break;
        case TimePlus:
            addSat(my.timeLeft, kTimeBlockUnits);
            break;
        case Heal:
            // Up to the cap, never down to it: lives above the cap (from mHP) are kept.
            if (my.hp < my.maxHp) addSat(my.hp, 1);
            break;
        case Multiply:
            multiplyInto(x, y);
            break;
        case Poison:
            addSat(my.hp, -1);
            break;
        case Shrink:
        case Grow:
            my.barHalfWidth = code == Shrink ? 0 : 2;
            state.effectTicks = kEffectSeconds;
            break;
        default:
            break;
    }
    return false;
}

void BlockEffects::clearAround(int x, int y) {
    BlockGrid& grid = play_.state().blockGrid;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) grid.set(x + dx, y + dy, Empty);
}

void BlockEffects::clearRow(int y) {
    BlockGrid& grid = play_.state().blockGrid;
    for (int col = 1; col <= kClearColumns; ++col) grid.set(col, y, Empty);
}

void BlockEffects::clearField() {
    BlockGrid& grid = play_.state().blockGrid;
    for (int col = 1; col <= kClearColumns; ++col)
        for (int row = 1; row <= kAllClearRows; ++row) grid.set(col, row, Empty);
}

void BlockEffects::multiplyInto(int x, int y) {
    BlockGrid& grid = play_.state().blockGrid;
    // Left, right, above, below: each empty one becomes a pink block (margin cells included).
    const int around[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
    for (const auto& cell : around)
        if (BlockGrid::inside(cell[0], cell[1]) && grid.at(cell[0], cell[1]) == Empty)
            grid.set(cell[0], cell[1], Pink);
}

}  // namespace engine
