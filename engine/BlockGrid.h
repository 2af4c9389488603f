// The block grid: 100 x 100 block codes by column, then row; the play field is columns 1..10, rows 1..20.
#pragma once

#include <array>
#include <cstdint>

namespace engine {

inline constexpr int kGridSize = 100;   // cells per side
inline constexpr int kFieldCols = 10;   // play-field columns 1..10
inline constexpr int kFieldRows = 20;   // play-field rows 1..20
inline constexpr int kBarRow = 18;      // the bar's row
inline constexpr int kCellWidth = 40;   // pixels
inline constexpr int kCellHeight = 20;  // pixels
inline constexpr int kFieldPixels = 400;

// Block codes: the vocabulary of stages. Any other value is solid, undrawn and counts as a block.
enum BlockCode : std::int32_t {
    Empty = 0,
    White = 1,
    Hard1 = 2,
    Hard2,
    Hard3,
    Hard4,
    Hard5,
    Hard6,
    Hard7,
    Hard8,
    Bomb = 10,
    Slow = 11,
    AllClear = 12,
    Wall = 13,
    Deadly = 14,
    RowBomb = 15,
    TimeMinus = 16,
    Heal = 17,
    Blue = 18,
    Multiply = 19,
    Poison = 20,
    Shrink = 21,
    Pink = 22,
    Grow = 23,
    TimePlus = 24,
    PaleRed = 25,
    Bar = 26,
    Ex = 27,
    ExPlus = 28,
    Invisible = 29,
};
inline constexpr int kBlockCodeCount = 30;

// A cell outside the array reads as 0 and is never written.
struct BlockGrid {
    std::array<std::int32_t, kGridSize * kGridSize> cells{};  // [col * 100 + row]

    static constexpr bool inside(int col, int row) {
        return col >= 0 && row >= 0 && col < kGridSize && row < kGridSize;
    }
    std::int32_t at(int col, int row) const { return inside(col, row) ? cells[col * kGridSize + row] : 0; }
    void set(int col, int row, std::int32_t code) {
        if (inside(col, row)) cells[col * kGridSize + row] = code;
    }
    void clear() { cells.fill(0); }
    bool operator==(const BlockGrid&) const = default;
};

}  // namespace engine
