// The entries of the editor's block list: one per block code, in code order, so an entry's index is its code.
#pragma once

#include <array>
#include <string_view>

#include "engine/BlockGrid.h"

namespace maker {

// Texts as the list shows them, trailing blanks included. The deadly cell (14) and the bar (26) are
// empty entries: the editor turns either choice into 0 before painting.
inline constexpr std::array<std::string_view, engine::kBlockCodeCount> kBlockListEntries{
    "空間 ",
    "白ブロック",
    "固ブロック(1)",
    "固ブロック(2)",
    "固ブロック(3)",
    "固ブロック(4)",
    "固ブロック(5)",
    "固ブロック(6)",
    "固ブロック(7)",
    "固ブロック(8)",
    "★爆発ブロック",
    "★玉の動きをスローにするブロック",
    "★オールクリアブロック  ",
    "消えないブロック ",
    "",
    "★横一列爆発ブロック                          ",
    "★時間短縮されるブロック",
    "★回復ブロック",
    "青いブロック ",
    "★増殖ブロック",
    "★毒ブロック         ",
    "★バーが小さくなるブロック",
    "ピンクのブロック ",
    "★バーが大さくなるブロック",
    "★時間がふえるブロック",
    "薄い赤のブロック",
    "",
    "高得点ブロック",
    "超高得点ブロック",
    "見えないブロック",
};

}  // namespace maker
