// The toy panel: the decorative picture, money, the draw button, the toy's details and the list.
#include <initializer_list>

#include "base/Translation.h"
#include "game/ToyPanel.h"
#include "ui/core/ControlStyle.h"

namespace game {
namespace {

constexpr base::Colour kGoldBack{0, 128, 255};
constexpr int kListItemHeight = 13;  // px

}  // namespace

void ToyPanel::layoutToyPanel(const std::string& programDir) {
    using namespace base::colours;
    toy_box.setCaption(base::translate("ToyShop", "TOY"));
    toy_box.setFramed(true);
    toy_box.setFont(ui::font(13, Black));
    Image2.setStretch(true);
    Image2.setTransparent(true);
    try {
        Image2.loadPicture(programDir + "cg/toy_panel.bmp");
    } catch (const std::exception&) {
        // Only a decoration: the panel works without it.
    }
    const ui::Look onWhite{.back = White};
    dress(gold_l, "", ui::font(24, Navy, true, ui::kMinchoP), {.back = kGoldBack, .align = ui::Align::Right});
    dress(Button8, base::translate("ToyShop", "ガチャガチャをする"), ui::font(13, Black));
    dress(item_name_l, "", ui::font(24, Black, true, ui::kMinchoP), onWhite);
    dress(item_about_l, "", ui::font(21, Grey, true, ui::kMinchoP), {.back = White, .wrap = true});
    item_cg.setStretch(true);
    item_cg.setTransparent(true);
    dress(toy_n_l, "", ui::font(16, Grey), {.back = Silver});
    dress(item_value_l, "", ui::font(24, Black, true, ui::kMinchoP), onWhite);
    item_list.setFont(ui::font(13, White));
    item_list.setBackground(Grey);
    item_list.setItemHeight(kListItemHeight);
    dress(Button7, base::translate("ToyShop", "GO HOME"), ui::font(13, Black));

    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&Image2, &gold_l, &Button8, &item_name_l, &item_about_l,
                                             &item_cg, &toy_n_l, &item_value_l, &item_list, &Button7})
        toy_box.add(*c);
}

}  // namespace game
