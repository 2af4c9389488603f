// The pad as keys: buttons press and let go, the stick has a dead zone and a full push, held directions
// repeat like held keys, and what the play keys leave goes to the panels as the keyboard's keys.
#include <gtest/gtest.h>

#include <vector>

#include "engine/PadInput.h"
#include "ui/core/Key.h"

namespace {

using engine::PadInput;
namespace k = ui::keys;

constexpr int kA = 0, kDpLeft = 13;  // SDL's button numbers

std::vector<int> keysOf(const std::vector<ui::KeyEvent>& events) {
    std::vector<int> keys;
    for (const ui::KeyEvent& e : events) keys.push_back(e.released ? -e.key : e.key);
    return keys;
}

TEST(PadInput, ButtonsAndTheStickAreKeysAndHeldDirectionsRepeat) {
    PadInput pad;
    EXPECT_EQ(keysOf(pad.button(kA, true, 0)), std::vector<int>{k::PadA});
    EXPECT_EQ(keysOf(pad.button(kA, false, 10)), std::vector<int>{-k::PadA});
    EXPECT_TRUE(pad.button(99, true, 0).empty());
    // Inside the dead zone the stick is at rest; past it a direction is held until it is nearly back.
    EXPECT_TRUE(pad.stick(PadInput::kDeadZone - 1, 0, 0).empty());
    const std::vector<ui::KeyEvent> pushed = pad.stick(-PadInput::kDeadZone, 0, 0);
    ASSERT_EQ(keysOf(pushed), std::vector<int>{k::StickLeft});
    EXPECT_FALSE(pushed[0].shift);
    EXPECT_TRUE(pad.stick(-PadInput::kLetGo, 0, 50).empty());
    EXPECT_TRUE(pad.holding());
    // Repeats: after the delay, then at the repeat pace; a full push moves as with Shift.
    EXPECT_TRUE(pad.repeat(PadInput::kRepeatDelayMs - 1).empty());
    EXPECT_EQ(keysOf(pad.repeat(PadInput::kRepeatDelayMs)), std::vector<int>{k::StickLeft});
    pad.stick(-32768, 0, 310);
    const std::vector<ui::KeyEvent> fast = pad.repeat(PadInput::kRepeatDelayMs + PadInput::kRepeatMs);
    ASSERT_EQ(fast.size(), 1u);
    EXPECT_TRUE(fast[0].shift && fast[0].autoRepeat);
    // A late look repeats once, not for every interval missed.
    EXPECT_EQ(pad.repeat(5000).size(), 1u);
    EXPECT_EQ(keysOf(pad.stick(PadInput::kLetGo - 1, 0, 5000)), std::vector<int>{-k::StickLeft});
    // Straight across to the other side: one let go, one press.
    pad.stick(-20000, 0, 0);
    EXPECT_EQ(keysOf(pad.stick(20000, 20000, 0)),
              (std::vector<int>{-k::StickLeft, k::StickRight, k::StickDown}));
    // The pad goes: everything held is let go first.
    pad.button(kDpLeft, true, 0);
    EXPECT_EQ(keysOf(pad.unplugged()),
              (std::vector<int>{-k::PadLeft, -k::StickDown, -k::StickRight, k::PadGone}));
    EXPECT_FALSE(pad.holding());
}

TEST(PadInput, ThePanelsGetTheKeyboardsKeys) {
    const auto panel = [](int pad) { return PadInput::panelKey({.key = pad}); };
    EXPECT_EQ(panel(k::PadLeft).key, k::Left);
    EXPECT_EQ(panel(k::StickDown).key, k::Down);
    EXPECT_EQ(panel(k::PadA).key, k::Enter);
    EXPECT_EQ(panel(k::PadB).key, k::Escape);
    EXPECT_EQ(panel(k::PadRightShoulder).key, k::Tab);
    EXPECT_TRUE(panel(k::PadLeftShoulder).shift);
    EXPECT_EQ(panel(k::PadStart).key, 0);
}

}  // namespace
