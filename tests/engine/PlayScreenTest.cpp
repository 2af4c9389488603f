// The play screen on a form: every control once, a window's own controls just above the play controls
// they name (stacking is what the player sees over what), its panels on top.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine/GamePlayScreen.h"

namespace {

std::ptrdiff_t place(const ui::Form& form, const ui::Control& c) {
    const auto& stack = form.children();
    return std::find(stack.begin(), stack.end(), &c) - stack.begin();
}

TEST(PlayScreen, AWindowsOwnControlsLieJustAboveThoseTheyNameAndItsPanelsOnTop) {
    engine::GamePlayScreen s;
    ui::Panel panel{"panel"};
    ui::Form form{"Form1", 602, 451};
    s.stackGamePlayScreen(form, {&panel});

    const auto& stack = form.children();
    EXPECT_EQ(std::set<ui::Control*>(stack.begin(), stack.end()).size(), stack.size());
    EXPECT_EQ(stack.size(), 23u + 11u + 1u);  // the play controls, the game's own, the panel
    EXPECT_EQ(place(form, s.main_cg), place(form, s.main_box) + 1);  // under the banner
    EXPECT_LT(place(form, s.main_cg), place(form, s.moji_l3));
    EXPECT_EQ(place(form, s.Label22) + 1, place(form, s.high_l));
    EXPECT_EQ(place(form, s.ok_b), place(form, s.play_l) + 1);
    EXPECT_EQ(place(form, s.try_b), place(form, s.ok_b) + 1);
    EXPECT_EQ(place(form, s.end_b), place(form, s.Label4) + 1);
    EXPECT_EQ(stack.back(), &panel);
}

}  // namespace
