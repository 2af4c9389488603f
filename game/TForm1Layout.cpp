// The window itself, its play screen, status panel and the controls below the client area.
#include <initializer_list>

#include "engine/PauseControl.h"
#include "game/TForm1.h"
#include "ui/core/ControlStyle.h"

namespace game {
namespace {

constexpr base::Colour kLogBack{246, 246, 246};
constexpr base::Colour kStateBack{255, 0, 128};
constexpr base::Colour kTimeBack{255, 176, 255};
constexpr base::Colour kActionBack{128, 128, 192};
constexpr base::Colour kBannerBack{128, 0, 255};
constexpr base::Colour kMpFore{255, 128, 255};
constexpr base::Colour kHpFore{214, 172, 255};
constexpr int kGaugeMax = 99;

constexpr const char* kCaption = "ゾルバンブロック5th　ver1.0　Linux版 ゾルバン開発チーム";
constexpr const char* kAppTitle = "ゾルバン５ｔｈ";

}  // namespace

void TForm1::layoutPlayScreen() {
    using namespace base::colours;
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
    dress(lv_l, "tttt", ui::font(12, Navy), {.back = kActionBack});

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
          ui::font(15, Navy), {.back = kActionBack, .wrap = true});
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

void TForm1::layoutHiddenControls() {
    dress(l2, "", form.defaultFont);
    const char* toyCaptions[] = {"gu-gu", "gu-gu and moon", "gu-gu child", "white gu-gu",
                                 "jaw",   "cloits",         "mint flower"};
    ui::Button* toyButtons[] = {&item1_b, &item2_b, &item3_b, &item4_b, &item5_b, &item6_b, &item7_b};
    for (int k = 0; k < 7; ++k) dress(*toyButtons[k], toyCaptions[k], form.defaultFont);

    GroupBox1.setCaption("GroupBox1");
    GroupBox1.setFramed(true);
    dress(BitBtn2, "初期化", form.defaultFont);
    dress(BitBtn3, "ｽﾃｰｼﾞﾛｰﾄﾞ", form.defaultFont);
    dress(Button5, "clear", form.defaultFont);
    dress(Button2, "ＳＴＲＥＥＴ　ＣＯＲＳＥ", form.defaultFont);
    dress(Button1, "speed_down", form.defaultFont);
    dress(BitBtn1, "start", form.defaultFont);
    dress(BitBtn4, "save", form.defaultFont);
    dress(try_bb, "GO!!", form.defaultFont);
    dress(next_b, "GO!!", form.defaultFont);
    dress(store_b2, "STORE", form.defaultFont);
    for (ui::Button* b : {&BitBtn2, &BitBtn3, &BitBtn1, &BitBtn4}) b->setKind(ui::Button::Kind::Picture);
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&BitBtn2, &BitBtn3, &Button5, &Button2, &Button1, &BitBtn1,
                                             &BitBtn4, &try_bb, &next_b, &store_b2})
        GroupBox1.add(*c);
}

void TForm1::stackControls() {
    // Creation order is stacking order: later controls lie on top. The panels come last, so that
    // each covers the play screen when it is shown; the event log lies over the white strip below it.
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &main_box, &main_cg, &moji_l3,   &moji_l3a, &moji_l2, &moji_l2a, &pause_l,  &pause_la,
             &Label5,   &moji_l,  &lv_l,      &Label1,   &point_l, &Label2,   &Label22,  &high_l,
             &state_l,  &mp_l,    &hp_l,      &combo_l,  &time_l,  &play_l,   &ok_b,     &try_b,
             &cg,       &store_b, &help_b,    &Label4,   &end_b,   &stage_l,  &Shape1,   &e1,
             &e2,       &e3,      &l2,        &item1_b,  &item2_b, &item3_b,  &item4_b,  &item5_b,
             &item6_b,  &item7_b, &GroupBox1, &help_box, &toy_box, &end_box,  &start_box})
        form.add(*c);
    for (ui::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7}) form.addTimer(*t);
}

}  // namespace game
