// Points a PlayControls at the like-named controls of a window, so that every play window wires them alike.
#pragma once

#include "engine/PlayControls.h"

namespace engine {

// Window: any class with members named as the controls (main_box, moji_l, ..., Timer1 .. Timer6). The
// game-only controls (Timer7, lv_l, e1..e3, item1_b..item7_b, the course buttons, ok_b, end_b, ...)
// are bound when the window has them and withGameOnly is set; otherwise they stay null.
template <typename Window>
void bindPlayControls(PlayControls& c, Window& w, bool withGameOnly = true) {
    c.main_box = &w.main_box;
    c.moji_l = &w.moji_l;
    c.moji_l2 = &w.moji_l2;
    c.moji_l2a = &w.moji_l2a;
    c.moji_l3 = &w.moji_l3;
    c.moji_l3a = &w.moji_l3a;
    c.combo_l = &w.combo_l;
    c.state_l = &w.state_l;
    c.time_l = &w.time_l;
    c.stage_l = &w.stage_l;
    c.point_l = &w.point_l;
    c.high_l = &w.high_l;
    c.hp_l = &w.hp_l;
    c.mp_l = &w.mp_l;
    c.try_b = &w.try_b;
    c.play_l = &w.play_l;
    c.cg = &w.cg;
    c.pause_l = &w.pause_l;
    c.pause_la = &w.pause_la;
    c.Timer1 = &w.Timer1;
    c.Timer2 = &w.Timer2;
    c.Timer3 = &w.Timer3;
    c.Timer4 = &w.Timer4;
    c.Timer5 = &w.Timer5;
    c.Timer6 = &w.Timer6;
    if constexpr (requires {
                      w.Timer7;
                      w.lv_l;
                      w.e1;
                      w.item1_b;
                      w.ok_b;
                      w.end_b;
                      w.start_box;
                  }) {
        if (!withGameOnly) return;
        c.Timer7 = &w.Timer7;
        c.lv_l = &w.lv_l;
        c.gold_l = &w.gold_l;
        c.l2 = &w.l2;
        c.badges = {&w.e1, &w.e2, &w.e3};
        c.toyButtons = {&w.item1_b, &w.item2_b, &w.item3_b, &w.item4_b, &w.item5_b, &w.item6_b, &w.item7_b};
        c.ok_b = &w.ok_b;
        c.end_b = &w.end_b;
        c.start_box = &w.start_box;
        if constexpr (requires { w.end_box; }) c.end_box = &w.end_box;
        c.help_b = &w.help_b;
        c.store_b = &w.store_b;
    }
}

}  // namespace engine
