// The toy panel: the capsule machine picture, money, the draw button, the toy's details and the list.
#include <initializer_list>

#include "game/ControlStyle.h"
#include "game/TForm1.h"

namespace game {
namespace {

constexpr ui::Colour kGoldBack{0, 128, 255};
constexpr ui::Colour kMachineRed{220, 40, 60};
constexpr ui::Colour kGlobe{200, 230, 255};
constexpr int kListItemHeight = 13;  // px

// The decorative capsule machine that stands beside the draw button: a glass globe of coloured
// capsules on a red body with a coin slot, a handle and an outlet.
void drawCapsuleMachine(ui::Image& image) {
    using namespace ui::colours;
    const int w = image.bounds().width, h = image.bounds().height;
    image.penColour = Silver;
    image.brushColour = Silver;
    image.rectangle(0, 0, w, h);
    image.penColour = Black;
    image.brushColour = kGlobe;
    image.rectangle(12, 8, w - 12, 172);
    const ui::Colour capsules[] = {Red, Yellow, Lime, Aqua, Fuchsia, Blue, White};
    constexpr int kCapsule = 22;  // px
    int colour = 0;
    for (int y = 100; y + kCapsule <= 168; y += kCapsule + 2)
        for (int x = 18 + (y / 2) % 12; x + kCapsule <= w - 16; x += kCapsule + 3) {
            image.brushColour = capsules[colour++ % 7];
            image.rectangle(x, y, x + kCapsule, y + kCapsule);
        }
    image.brushColour = kMachineRed;
    image.rectangle(8, 172, w - 8, h - 8);
    image.brushColour = Silver;
    image.rectangle(w / 2 - 28, 196, w / 2 + 28, 252);  // handle plate
    image.brushColour = White;
    image.rectangle(w / 2 - 6, 204, w / 2 + 6, 244);  // handle
    image.brushColour = Black;
    image.rectangle(w - 44, 200, w - 32, 226);  // coin slot
    image.rectangle(w / 2 - 30, 272, w / 2 + 30, 312);  // outlet
}

}  // namespace

void TForm1::layoutToyPanel() {
    using namespace ui::colours;
    toy_box.setCaption("TOY");
    toy_box.setFramed(true);
    Image2.setStretch(true);
    Image2.setTransparent(true);
    drawCapsuleMachine(Image2);
    const Look onWhite{.back = White};
    dress(gold_l, "", font(24, Navy, true, ui::kMinchoP), {.back = kGoldBack, .align = ui::Align::Right});
    dress(Button8, "ガチャガチャをする", font(13, Black));
    dress(item_name_l, "", font(24, Black, true, ui::kMinchoP), onWhite);
    dress(item_about_l, "", font(21, Grey, true, ui::kMinchoP), {.back = White, .wrap = true});
    item_cg.setStretch(true);
    item_cg.setTransparent(true);
    dress(toy_n_l, "", font(16, Grey), {.back = Silver});
    dress(item_value_l, "", font(24, Black, true, ui::kMinchoP), onWhite);
    item_list.setFont(font(13, White));
    item_list.setItemHeight(kListItemHeight);
    dress(Button7, "GO HOME", font(13, Black));

    for (ui::Control* c : std::initializer_list<ui::Control*>{&Image2, &gold_l, &Button8, &item_name_l,
                                                              &item_about_l, &item_cg, &toy_n_l, &item_value_l,
                                                              &item_list, &Button7})
        toy_box.add(*c);
}

}  // namespace game
