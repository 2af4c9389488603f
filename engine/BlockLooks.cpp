// The looks of the block codes: a table for play and one for the editor, which shows the invisible block
// and does not flash.
#include "engine/BlockLooks.h"

#include <array>

#include "base/Translation.h"
#include "engine/BlockGrid.h"

namespace engine {
namespace {

using base::Colour;
using Cycle = std::array<Colour, kColourPhases>;

constexpr Cycle kBombCycle{
    {{255, 0, 128}, {221, 0, 96}, {187, 0, 64}, {153, 0, 32}, {187, 0, 64}, {221, 0, 96}}};
constexpr Cycle kRainbowCycle{
    {{255, 255, 0}, {255, 0, 0}, {255, 0, 255}, {0, 0, 255}, {0, 255, 255}, {0, 255, 0}}};
constexpr Cycle kRowBombCycle{
    {{255, 128, 0}, {221, 96, 0}, {187, 64, 0}, {0, 32, 0}, {187, 64, 0}, {221, 96, 0}}};

// The hard blocks fade from cream to olive; code 9 is the toolkit colour integer 9 * 7000 + 0x8000FF.
constexpr std::array<Colour, 8> kHardFills{{{255, 255, 210},
                                            {255, 255, 147},
                                            {255, 255, 74},
                                            {231, 231, 0},
                                            {183, 183, 0},
                                            {153, 153, 0},
                                            {117, 117, 0},
                                            Colour::fromBgr(9 * 7000 + 8388863)}};

constexpr Colour kDeadlyOutline{174, 0, 0};
constexpr Colour kEditorInvisible{102, 51, 85};
constexpr std::optional<Colour> kKeepPen;  // the outline the previous cell left

// One code's look; a cycle, where there is one, gives the colour at each phase instead.
struct BlockLook {
    CellLook look;
    const Cycle* brushCycle = nullptr;
    const Cycle* labelCycle = nullptr;
};
using LookTable = std::array<BlockLook, kBlockCodeCount>;

constexpr Colour kBlack = base::colours::Black;

constexpr LookTable kPlayLooks = [] {
    LookTable t{};  // the empty cell and, in play, the invisible block: black
    t[White].look = {kBlack, base::colours::White};
    for (int code = Hard1; code <= Hard8; ++code) t[code].look = {kBlack, kHardFills[code - Hard1]};
    t[Bomb].brushCycle = &kBombCycle;
    t[Slow].look = {kBlack, {64, 128, 128}, QT_TRANSLATE_NOOP("Blocks", "down"), {109, 182, 182}};
    t[AllClear].brushCycle = &kRainbowCycle;
    t[Wall].look = {kBlack, base::colours::Grey};
    t[Deadly].look = {kDeadlyOutline, kBlack};
    t[RowBomb].brushCycle = &kRowBombCycle;
    t[TimeMinus].look = {kBlack, {128, 255, 0}, QT_TRANSLATE_NOOP("Blocks", "時×"), {128, 0, 255}};
    t[Heal].look = {kBlack, {60, 60, 255}, QT_TRANSLATE_NOOP("Blocks", "回復"), {147, 147, 255}};
    t[Blue].look = {kKeepPen, {128, 255, 255}};
    t[Multiply].look = {kBlack, {255, 0, 255}};
    t[Poison].look = {kBlack, {0, 64, 0}, QT_TRANSLATE_NOOP("Blocks", "毒"), {0, 168, 0}};
    t[Shrink].look = {kBlack, {128, 0, 255}, QT_TRANSLATE_NOOP("Blocks", "短"), {128, 128, 255}};
    t[Pink].look = {kBlack, {255, 128, 192}};
    t[Grow].look = {kBlack, {128, 0, 255}, QT_TRANSLATE_NOOP("Blocks", "長"), {128, 128, 255}};
    t[TimePlus].look = {kBlack, {128, 255, 0}, QT_TRANSLATE_NOOP("Blocks", "時○"), {128, 0, 255}};
    t[PaleRed].look = {kKeepPen, {255, 128, 128}};
    t[Bar].look = {base::colours::White, base::colours::White};
    t[Ex] = {{kKeepPen, {255, 128, 0}, QT_TRANSLATE_NOOP("Blocks", "EX")}, nullptr, &kRainbowCycle};
    t[ExPlus] = {{kKeepPen, {255, 0, 0}, QT_TRANSLATE_NOOP("Blocks", "EX+")}, nullptr, &kRainbowCycle};
    return t;
}();

// The editor: the flashing kinds in a fixed colour, no EX labels, the invisible block shown.
constexpr LookTable kEditorLooks = [] {
    LookTable t = kPlayLooks;
    t[Invisible].look = {kKeepPen, kEditorInvisible};
    t[Bomb] = {{kBlack, kBombCycle[0]}};
    t[AllClear] = {{kBlack, {128, 128, 255}}};
    t[RowBomb] = {{kBlack, kRowBombCycle[0]}};
    t[Ex] = {{kKeepPen, {255, 128, 0}}};
    t[ExPlus] = {{kKeepPen, {255, 0, 0}}};
    return t;
}();

}  // namespace

CellLook lookOf(std::int32_t code, int phase, FieldView view) {
    const BlockLook& row =
        (view == FieldView::Editor ? kEditorLooks : kPlayLooks)[static_cast<std::size_t>(code)];
    CellLook k = row.look;
    const auto at = static_cast<std::size_t>(phase);
    if (row.brushCycle) k.brush = (*row.brushCycle)[at];
    if (row.labelCycle) k.labelColour = (*row.labelCycle)[at];
    return k;
}

bool drawnTall(std::int32_t code, FieldView view) {
    return (code >= Bomb && code <= PaleRed) || code == Ex || code == ExPlus ||
           (code == Invisible && view == FieldView::Editor);
}

}  // namespace engine
