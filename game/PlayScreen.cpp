// The window itself, its play field and status panel.
#include "game/PlayScreen.h"

#include <initializer_list>

#include "engine/PauseControl.h"
#include "engine/PlayScreenColours.h"
#include "ui/core/ControlStyle.h"

namespace game {
namespace {

constexpr base::Colour kBannerBack{128, 0, 255};
constexpr base::Colour kMpFore{255, 128, 255};
constexpr base::Colour kHpFore{214, 172, 255};
constexpr int kGaugeMax = 99;
constexpr int kBadgeHeight = 13;  // px

constexpr const char* kCaption = "ゾルバンブロック5th　ver1.0　Linux版 ゾルバン開発チーム";
constexpr const char* kAppTitle = "ゾルバン５ｔｈ";

struct Badge {
    ui::Image PlayScreen::*image;
    int width;  // px of the drawn box; the images are 69, 60 and 52 wide, so the boxes do not match
    const char* text;
};

}  // namespace

void PlayScreen::layoutPlayScreen(ui::Form& form) {
    using namespace base::colours;
    using engine::kLogBack, engine::kStateBack, engine::kTimeBack;
    form.caption = kCaption;
    form.appTitle = kAppTitle;
    form.background = Silver;
    form.defaultFont = ui::font(12, Black, false);
    form.dialogFrame = true;
    form.noteArea = main_box.bounds();  // volume and size notes show over the field

    const ui::Look shadow{.transparent = true, .align = ui::Align::Center, .wrap = true};
    const ui::Look banner{.back = kBannerBack, .align = ui::Align::Center, .wrap = true};
    dress(moji_l3, "", ui::font(35, Black, true, ui::kGothicP, true), shadow);
    dress(moji_l3a, "", ui::font(29, Black, true, ui::kGothicP, true), shadow);
    dress(moji_l2, "", ui::font(35, Aqua, true, ui::kGothicP, true), banner);
    dress(moji_l2a, "", ui::font(29, Aqua, true, ui::kGothicP, true), banner);
    engine::PauseControl::dressLabels(pause_l, pause_la);
    dress(moji_l, "", ui::font(24, Grey), {.back = kLogBack, .wrap = true});
    dress(Label5, "", ui::font(12, Black), {.back = White});
    dress(lv_l, "tttt", ui::font(12, Navy), {.back = engine::kHowToPlayBack});

    dress(Label1, "Your score in This CORSE", ui::font(15, White), {.back = Grey});
    dress(point_l, "99億9999万9999", ui::font(24, White, true, ui::kMinchoP),
          {.transparent = true, .align = ui::Align::Right});
    dress(Label2, "points", ui::font(15, White), {.transparent = true});
    dress(Label22, "HI:", ui::font(13, Grey), {.back = White});
    dress(high_l, "", ui::font(12, Grey), {.back = White, .align = ui::Align::Right});
    dress(state_l, "ステータス", ui::font(13, White), {.back = kStateBack, .wrap = true});
    mp_l.setRange(0, kGaugeMax);
    mp_l.setColours(kMpFore, Purple);
    hp_l.setRange(0, kGaugeMax);
    hp_l.setColours(kHpFore, kBannerBack);
    dress(combo_l, "99 combo", ui::font(24, Yellow), {.transparent = true});
    dress(time_l, "残り時間", ui::font(24, Fuchsia), {.back = kTimeBack});
    dress(play_l, "beat goes on*", ui::font(27, Teal), {.transparent = true, .align = ui::Align::Center});
    dress(ok_b, "ARE YOU READY !?", ui::font(19, Black));
    dress(try_b, "★ﾏｳｽｶｰｿﾙを左画面内に移動させ、好きな位置で左ｸﾘｯｸを押してスタートだよ☆", ui::font(15, White),
          {.back = Black, .wrap = true});
    cg.setStretch(true);
    cg.setTransparent(true);
    dress(store_b, "TOY", form.defaultFont);
    dress(help_b, "HELP", form.defaultFont);
    dress(Label4,
          "Play action way >>>>>>>>１、左ｸﾘｯｸ：爆発（Hp "
          "-1）　２、右ｸﾘｯｸ：軌道変更(Time　　　　　　　　　　　　　　　-５）"
          "３、Comboを貯めて高得点。",
          ui::font(15, Navy), {.back = engine::kHowToPlayBack, .wrap = true});
    dress(end_b, "game over!!", ui::font(35, Black));
    dress(stage_l, "STAGE NAME", ui::font(15, Black), {.back = Grey, .align = ui::Align::Center});

    // The badge frame: a one-pixel white outline on the window's colour.
    Shape1.penColour = White;
    Shape1.brushColour = Silver;
    Shape1.rectangle(0, 0, Shape1.bounds().width, Shape1.bounds().height);
    for (ui::Image* badge : {&e1, &e2, &e3}) {
        badge->setStretch(true);
        badge->setTransparent(true);
    }
}

void PlayScreen::drawBadges() {
    static constexpr Badge kBadges[] = {{&PlayScreen::e1, 52, "999COMBO"},
                                        {&PlayScreen::e2, 60, " 999TIME"},
                                        {&PlayScreen::e3, 69, "  99HP"}};
    for (const Badge& b : kBadges) {
        ui::Image& image = this->*b.image;
        image.fontColour = base::colours::Grey;
        image.fontBold = true;
        image.rectangle(0, 0, b.width, kBadgeHeight);
        image.textOut(2, 2, b.text);
    }
}

}  // namespace game
