// Block effects: what a hit on each code does, the clears of bombs, row blasts and the all-clear, and their
// animations.
#include <array>

#include "engine/ControlAccess.h"
#include "engine/PlayEngine.h"
#include "engine/Saturating.h"

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
    t[White] = {"2.wav", 0, 1, true};
    for (int code = Hard1; code <= Hard8; ++code) t[code] = {"12.wav", 0, 0, false};
    t[Bomb] = {"7.wav", 1, 0, true};
    t[Slow] = {"1.wav", 0, 0, true};
    t[AllClear] = {"7.wav", 0, 0, false};
    t[Wall] = {"11.wav", 0, 0, false};
    t[RowBomb] = {"7.wav", 1, 0, true};
    t[TimeMinus] = {"1.wav", 0, 0, true, "", " 【Time -10】"};
    t[Heal] = {"1.wav", 0, 0, true, "", " 【HP +1】"};
    t[Blue] = {"14.wav", 0, 1, true};
    t[Multiply] = {"3.wav", 0, 0, true, " 【増殖!】"};
    t[Poison] = {"1.wav", 0, 0, true, "", " 【HP-1damege!!】"};
    t[Shrink] = {"1.wav", 0, 0, true, "", " 【SMALL!!】"};
    t[Pink] = {"13.wav", 0, 1, true};
    t[Grow] = {"1.wav", 0, 0, true, "", " 【LONG!!】"};
    t[TimePlus] = {"1.wav", 0, 0, true, "", " 【Time +10】"};
    t[PaleRed] = {"15.wav", 0, 1, true};
    t[Ex] = {"8.wav", 0, 0, true, " 【EX point!】→"};
    t[ExPlus] = {"8.wav", 0, 0, true, " 【EX+ point!】→"};
    t[Invisible] = {"13.wav", 0, 1, true};
    return t;
}();

constexpr int kOwnCellSlot = 4;    // bombs and row blasts spread only from slots 1..3
constexpr int kClearColumns = 20;  // row blasts and the all-clear reach into the right margin
constexpr int kAllClearRows = 40;  // and the all-clear into the lower one
constexpr std::int32_t kTimeBlockUnits = 10;
constexpr int kRowFlashPauseMs = 100;

}  // namespace

bool PlayEngine::applyHit(int x, int y, int slot) {
    tmy& my = s_.my;
    const std::int32_t code = s_.blockGrid.at(x, y);
    if (code < 0 || code >= kBlockCodeCount) return false;  // unknown codes are solid but inert
    if (code == Bar) {
        addSat(my.combo, 1);
        playSound0("at1.wav");
        steerFromBar();
        return false;
    }
    const HitSteps& steps = kHitSteps[code];
    if (!steps.sound) return false;  // empty and deadly cells

    if (steps.channel == 0)
        playSound0(steps.sound);
    else
        playSound1(steps.sound);
    addSat(my.mhp, steps.mhp);
    if (steps.clears) s_.blockGrid.set(x, y, Empty);
    log(steps.noteBefore);
    const HitAward& award = rules_.awards[code];
    if (award.scores) addPoints(award.base);
    log(steps.noteAfter);
    addSat(my.money, award.money);

    switch (code) {
        case Hard1:
        case Hard2:
        case Hard3:
        case Hard4:
        case Hard5:
        case Hard6:
        case Hard7:
        case Hard8:
            s_.blockGrid.set(x, y, code - 1);
            break;
        case Bomb:
            if (slot != kOwnCellSlot) clearAround(x, y);
            burst(31, 2, 1, 2);
            break;
        case Slow:
            s_.effectTicks = kEffectSeconds;
            setInterval(c_.Timer1, rules_.slowTickMs);
            break;
        case AllClear:
            log(rules_.allClearNote);
            burst(61, 8, 4, 1);
            clearField();
            return true;
        case RowBomb:
            if (slot != kOwnCellSlot) {
                clearRow(y);
                rowFlash();
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
            s_.effectTicks = kEffectSeconds;
            break;
        default:
            break;
    }
    return false;
}

void PlayEngine::clearAround(int x, int y) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) s_.blockGrid.set(x + dx, y + dy, Empty);
}

void PlayEngine::clearRow(int y) {
    for (int col = 1; col <= kClearColumns; ++col) s_.blockGrid.set(col, y, Empty);
}

void PlayEngine::clearField() {
    for (int col = 1; col <= kClearColumns; ++col)
        for (int row = 1; row <= kAllClearRows; ++row) s_.blockGrid.set(col, row, Empty);
}

void PlayEngine::multiplyInto(int x, int y) {
    // Left, right, above, below: each empty one becomes a pink block (margin cells included).
    const int around[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
    for (const auto& cell : around)
        if (BlockGrid::inside(cell[0], cell[1]) && s_.blockGrid.at(cell[0], cell[1]) == Empty)
            s_.blockGrid.set(cell[0], cell[1], Pink);
}

void PlayEngine::repaintField() {
    if (c_.main_box) c_.main_box->repaintNow();
}

void PlayEngine::pause(int ms) {
    services_.clock.sleepMs(ms);
}

void PlayEngine::burst(int frames, int stepX, int stepY, int redStep) {
    if (!drawing_ || !c_.main_box) return;
    ui::Image& image = *c_.main_box;
    const int cx = kCellWidth * (s_.my.ballX - 1) + kCellWidth / 2;
    const int cy = kCellHeight * (s_.my.ballY - 1) + kCellHeight / 2;
    image.penColour = base::colours::Black;
    for (int k = 0; k < frames; ++k) {
        image.brushColour = base::Colour{static_cast<std::uint8_t>(255 - redStep * k), 0, 0};
        image.rectangle(cx - stepX * k, cy - stepY * k, cx + stepX * k, cy + stepY * k);
        repaintField();
    }
    image.brushColour = base::colours::Black;
}

void PlayEngine::rowFlash() {
    if (!drawing_ || !c_.main_box) return;
    ui::Image& image = *c_.main_box;
    const int left = kCellWidth * (s_.my.ballX - 1), top = kCellHeight * (s_.my.ballY - 1);
    image.brushColour = base::colours::Red;
    image.rectangle(left - 40, top + 2, left + 60, top + 8);
    repaintField();
    pause(kRowFlashPauseMs);
    image.rectangle(left - 350, top, left + 350, top + kCellHeight);
    repaintField();
    pause(kRowFlashPauseMs);
    image.brushColour = base::colours::Black;
}

}  // namespace engine
