// The controls below the client area: captions and the maintenance panel's contents.
#include "game/OffscreenControls.h"

#include <initializer_list>

#include "base/Translation.h"
#include "ui/core/ControlStyle.h"

namespace game {

void OffscreenControls::layoutOffscreenControls(const ui::Font& defaultFont) {
    dress(l2, "", defaultFont);
    const char* toyCaptions[] = {"gu-gu", "gu-gu and moon", "gu-gu child", "white gu-gu",
                                 "jaw",   "cloits",         "mint flower"};
    ui::Button* toyButtons[] = {&item1_b, &item2_b, &item3_b, &item4_b, &item5_b, &item6_b, &item7_b};
    for (int k = 0; k < 7; ++k)
        dress(*toyButtons[k], base::translateData("Toys", toyCaptions[k]), defaultFont);

    GroupBox1.setCaption("GroupBox1");
    GroupBox1.setFramed(true);
    struct Entry {
        ui::Button* button;
        const char* caption;
    };
    // The maintenance panel's buttons in the order they lie in it.
    const Entry maintenance[] = {{&BitBtn2, "初期化"},     {&BitBtn3, "ｽﾃｰｼﾞﾛｰﾄﾞ"},
                                 {&Button5, "clear"},      {&Button2, "ＳＴＲＥＥＴ　ＣＯＲＳＥ"},
                                 {&Button1, "speed_down"}, {&BitBtn1, "start"},
                                 {&BitBtn4, "save"},       {&try_bb, "GO!!"},
                                 {&next_b, "GO!!"},        {&store_b2, "STORE"}};
    for (const Entry& e : maintenance) dress(*e.button, e.caption, defaultFont);
    for (ui::Button* b : {&BitBtn2, &BitBtn3, &BitBtn1, &BitBtn4}) b->setKind(ui::Button::Kind::Picture);
    for (const Entry& e : maintenance) GroupBox1.add(*e.button);
}

}  // namespace game
