// The game state of a play window: the record `tmy` held in `my`, the grid and the other values of the
// window's unit.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/BlockGrid.h"
#include "engine/PlayPhase.h"

namespace engine {

inline constexpr int kToyCount = 513;  // slots 0..512 of the toy table

// Every per-run and saved value of the game, in declaration order.
struct tmy {
    std::string courseMemo;          // free text carried through the course save file
    std::int32_t stagesCleared = 0;  // stages of the course cleared in this run
    std::int32_t hiScore = 0;        // best score of the course
    std::int32_t score = 0;          // score of this run
    std::int32_t maxHp = 0;          // cap of hp for healing
    std::int32_t mhpQuota = 0;       // stored 50; read by nothing else
    std::int32_t hp = 0;             // lives
    std::int32_t mhp = 0;            // mHP gauge; 50 make one hp
    std::int32_t stageNo = 0;        // index of the stage in the course, -1 before the first
    std::int32_t badgeCombo = 0, badgeTime = 0, badgeHp = 0;  // 1 once earned
    std::array<std::uint8_t, kToyCount> toyOwned{};           // copies held of each toy
    std::int32_t hiMaxCombo = 0;                              // best MAXCOMBO of the course
    std::int32_t ballX = 0, ballY = 0;                        // ball cell
    std::int32_t barX = 0, barRow = 0, barHalfWidth = 0;      // bar centre column, row, cells each side
    std::int32_t combo = 0;                                   // multiplier of all points
    std::int32_t timeLeft = 0;                                // time units left
    std::int32_t maxCombo = 0;                                // highest combo of this run
    std::int32_t clearCount = 0;                              // ALL CLEARs ever, 0..99
    std::int32_t course3Cleared = 0;                          // 1 once course 3 was cleared to its end
    std::int32_t money = 0;                                   // 0..99999
    std::array<std::int32_t, 10> trailX{}, trailY{};          // the ball's last drawn cells; places 0..3 used
    bool operator==(const tmy&) const = default;
};

// One toy of the catalogue.
struct titem {
    std::string name;  // empty: no toy in this slot
    std::int32_t rarity = 0;
    std::string about;
};

// Everything global to a play window's unit, gathered so that a test or tool can hold several.
struct GameState {
    PlayPhase phase = PlayPhase::StartPanel;  // where the play stands; the controls show it
    tmy my;
    BlockGrid blockGrid;
    std::string stageTitle, stageAuthor;
    std::int32_t ballDX = 0, ballDY = 0;    // ball step per tick, -1, 0 or +1
    std::int32_t effectTicks = 0;           // seconds left of the slow / bar-size effect
    std::int32_t ballFlashTicks = 0;        // ticks the ball is drawn blue
    std::int32_t colourPhase = 0;           // 0..5, step of the flashing kinds
    std::int32_t bannerTicks = 0;           // seconds the banner has held text
    std::uint8_t courseNo = 0;              // 1..6, 0 before the first pick
    std::int32_t timePresent = 0;           // time gift of the last CLEAR
    std::int32_t lastStageNo = 0;           // last stage index of the course
    std::array<titem, kToyCount> toyTable;  // the toy catalogue
};

}  // namespace engine
