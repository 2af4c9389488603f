// The entries of the editor's block list: one per block code, in code order, so an entry's index is its code.
#pragma once

#include <array>
#include <string_view>

#include "base/Translation.h"
#include "engine/BlockGrid.h"

namespace maker {

// Texts as the list shows them (translated), trailing blanks included. The deadly cell (14) and the bar (26)
// are empty entries: the editor turns either choice into 0 before painting.
inline constexpr std::array<std::string_view, engine::kBlockCodeCount> kBlockListEntries{
    QT_TRANSLATE_NOOP("BlockList", "空間 "),
    QT_TRANSLATE_NOOP("BlockList", "白ブロック"),
    QT_TRANSLATE_NOOP("BlockList", "固ブロック(1)"),
    QT_TRANSLATE_NOOP("BlockList", "固ブロック(2)"),
    QT_TRANSLATE_NOOP("BlockList", "固ブロック(3)"),
    QT_TRANSLATE_NOOP("BlockList", "固ブロック(4)"),
    QT_TRANSLATE_NOOP("BlockList", "固ブロック(5)"),
    QT_TRANSLATE_NOOP("BlockList", "固ブロック(6)"),
    QT_TRANSLATE_NOOP("BlockList", "固ブロック(7)"),
    QT_TRANSLATE_NOOP("BlockList", "固ブロック(8)"),
    QT_TRANSLATE_NOOP("BlockList", "★爆発ブロック"),
    QT_TRANSLATE_NOOP("BlockList", "★玉の動きをスローにするブロック"),
    QT_TRANSLATE_NOOP("BlockList", "★オールクリアブロック  "),
    QT_TRANSLATE_NOOP("BlockList", "消えないブロック "),
    "",
    QT_TRANSLATE_NOOP("BlockList", "★横一列爆発ブロック                          "),
    QT_TRANSLATE_NOOP("BlockList", "★時間短縮されるブロック"),
    QT_TRANSLATE_NOOP("BlockList", "★回復ブロック"),
    QT_TRANSLATE_NOOP("BlockList", "青いブロック "),
    QT_TRANSLATE_NOOP("BlockList", "★増殖ブロック"),
    QT_TRANSLATE_NOOP("BlockList", "★毒ブロック         "),
    QT_TRANSLATE_NOOP("BlockList", "★バーが小さくなるブロック"),
    QT_TRANSLATE_NOOP("BlockList", "ピンクのブロック "),
    QT_TRANSLATE_NOOP("BlockList", "★バーが大さくなるブロック"),
    QT_TRANSLATE_NOOP("BlockList", "★時間がふえるブロック"),
    QT_TRANSLATE_NOOP("BlockList", "薄い赤のブロック"),
    "",
    QT_TRANSLATE_NOOP("BlockList", "高得点ブロック"),
    QT_TRANSLATE_NOOP("BlockList", "超高得点ブロック"),
    QT_TRANSLATE_NOOP("BlockList", "見えないブロック"),
};

}  // namespace maker
