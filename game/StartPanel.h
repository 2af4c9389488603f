// The start panel: course buttons, hint, rating and the credits.
#pragma once

#include <array>

#include "ui/core/Font.h"
#include "ui/core/Widgets.h"

namespace game {

struct StartPanel {
    ui::Panel start_box{"start_box", {0, 0, 601, 449}};
    ui::Label Label26{"Label26", {20, 4, 0, 0}};        // line of zeros, top
    ui::Label Label27{"Label27", {20, 428, 0, 0}};      // line of zeros, bottom
    ui::Label Label28{"Label28", {126, 24, 0, 0}};      // "SELECT CORSE"
    ui::Label Label29{"Label29", {152, 80, 293, 177}};  // white box behind the course buttons
    ui::Button c_b1{"c_b1", {208, 92, 177, 29}};
    ui::Button Button6{"Button6", {208, 124, 177, 29}};  // course 2
    ui::Button c_b4{"c_b4", {208, 156, 177, 29}, false};
    ui::Button c_b6{"c_b6", {208, 188, 177, 29}, false};
    ui::Button c_b3{"c_b3", {208, 220, 177, 29}, false};
    ui::Button c_b5{"c_b5", {208, 92, 177, 29}, false};
    ui::Label star_l{"star_l", {188, 100, 0, 0}, false};
    ui::Label star_l3{"star_l3", {132, 276, 0, 0}};
    ui::Label star_l2{"star_l2", {188, 264, 0, 0}};
    ui::Label hint_l{"hint_l", {96, 300, 413, 45}};
    ui::Label Label30{"Label30", {40, 352, 525, 29}};  // "ZORBAN BLOCK 5TH MIX"
    ui::Label Label31{"Label31", {40, 384, 0, 0}};     // credits
    ui::Label Label32{"Label32", {40, 400, 0, 0}};     // home page
    ui::Label Label33{"Label33", {320, 400, 0, 0}};    // mail

    // The course buttons in course order, 1 to 6.
    std::array<ui::Button*, 6> courseButtons() { return {&c_b1, &Button6, &c_b3, &c_b4, &c_b5, &c_b6}; }

    void layoutStartPanel(const ui::Font& defaultFont);
};

}  // namespace game
