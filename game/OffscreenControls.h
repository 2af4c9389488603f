// The controls below the client area, never seen: a diagnostics line, toy buttons and the maintenance panel.
#pragma once

#include "ui/core/Font.h"
#include "ui/core/Widgets.h"

namespace game {

struct OffscreenControls {
    ui::Label l2{"l2", {4, 472, 401, 13}};  // diagnostics line
    ui::Button item1_b{"item1_b", {4, 488, 81, 21}, false};
    ui::Button item2_b{"item2_b", {88, 488, 81, 21}, false};
    ui::Button item3_b{"item3_b", {172, 488, 81, 21}, false};
    ui::Button item4_b{"item4_b", {256, 488, 81, 21}, false};
    ui::Button item5_b{"item5_b", {340, 488, 81, 21}, false};
    ui::Button item6_b{"item6_b", {424, 488, 81, 21}, false};
    ui::Button item7_b{"item7_b", {508, 488, 81, 21}, false};
    ui::Panel GroupBox1{"GroupBox1", {4, 492, 477, 97}};  // maintenance panel
    ui::Button BitBtn2{"BitBtn2", {8, 16, 89, 25}};       // "初期化"
    ui::Button BitBtn3{"BitBtn3", {100, 16, 89, 25}};     // "ｽﾃｰｼﾞﾛｰﾄﾞ"
    ui::Button Button5{"Button5", {192, 16, 89, 25}};     // "clear"
    ui::Button Button2{"Button2", {284, 16, 185, 25}};    // picks course 1
    ui::Button Button1{"Button1", {8, 44, 89, 25}};       // speed_down
    ui::Button BitBtn1{"BitBtn1", {100, 44, 89, 25}};
    ui::Button BitBtn4{"BitBtn4", {192, 44, 89, 25}};
    ui::Button try_bb{"try_bb", {8, 72, 89, 21}, false};
    ui::Button next_b{"next_b", {100, 72, 89, 21}, false};
    ui::Button store_b2{"store_b2", {192, 72, 89, 21}, false};

    void layoutOffscreenControls(const ui::Font& defaultFont);
};

}  // namespace game
