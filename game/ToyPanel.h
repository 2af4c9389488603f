// The toy panel: the decorative picture, money, the draw button, the toy's details and the list.
#pragma once

#include <string>

#include "ui/core/Image.h"
#include "ui/core/Widgets.h"

namespace game {

struct ToyPanel {
    ui::Panel toy_box{"toy_box", {0, 460, 601, 445}, false};
    ui::Image Image2{"Image2", {8, 12, 185, 341}};     // decoration
    ui::Label gold_l{"gold_l", {4, 360, 193, 25}};     // money
    ui::Button Button8{"Button8", {4, 388, 193, 49}};  // one draw
    ui::Label item_name_l{"item_name_l", {200, 12, 237, 25}};
    ui::Label item_about_l{"item_about_l", {200, 40, 237, 133}};
    ui::Image item_cg{"item_cg", {232, 204, 170, 170}};
    ui::Label toy_n_l{"toy_n_l", {328, 376, 104, 16}};
    ui::Label item_value_l{"item_value_l", {200, 412, 237, 25}};
    ui::ListBox item_list{"item_list", {440, 12, 153, 397}};
    ui::Button Button7{"Button7", {440, 412, 153, 25}};  // "GO HOME"

    // programDir: the program's folder, which holds the decoration's picture.
    void layoutToyPanel(const std::string& programDir);
};

}  // namespace game
