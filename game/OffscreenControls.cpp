// The controls below the client area: captions and the maintenance panel's contents.
#include "game/OffscreenControls.h"

#include <initializer_list>

#include "ui/core/ControlStyle.h"

namespace game {

void OffscreenControls::layoutOffscreenControls(const ui::Font& defaultFont) {
    dress(l2, "", defaultFont);
    const char* toyCaptions[] = {"gu-gu", "gu-gu and moon", "gu-gu child", "white gu-gu",
                                 "jaw",   "cloits",         "mint flower"};
    ui::Button* toyButtons[] = {&item1_b, &item2_b, &item3_b, &item4_b, &item5_b, &item6_b, &item7_b};
    for (int k = 0; k < 7; ++k) dress(*toyButtons[k], toyCaptions[k], defaultFont);

    GroupBox1.setCaption("GroupBox1");
    GroupBox1.setFramed(true);
    dress(BitBtn2, "初期化", defaultFont);
    dress(BitBtn3, "ｽﾃｰｼﾞﾛｰﾄﾞ", defaultFont);
    dress(Button5, "clear", defaultFont);
    dress(Button2, "ＳＴＲＥＥＴ　ＣＯＲＳＥ", defaultFont);
    dress(Button1, "speed_down", defaultFont);
    dress(BitBtn1, "start", defaultFont);
    dress(BitBtn4, "save", defaultFont);
    dress(try_bb, "GO!!", defaultFont);
    dress(next_b, "GO!!", defaultFont);
    dress(store_b2, "STORE", defaultFont);
    for (ui::Button* b : {&BitBtn2, &BitBtn3, &BitBtn1, &BitBtn4}) b->setKind(ui::Button::Kind::Picture);
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&BitBtn2, &BitBtn3, &Button5, &Button2, &Button1, &BitBtn1,
                                             &BitBtn4, &try_bb, &next_b, &store_b2})
        GroupBox1.add(*c);
}

}  // namespace game
