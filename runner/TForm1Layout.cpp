// The runner window's controls: texts, fonts, colours and the order they stack in.
#include "runner/TForm1.h"

#include "engine/PauseControl.h"
#include "engine/PlayScreenColours.h"
#include "ui/core/ControlStyle.h"

namespace runner {
namespace {

using engine::kLogBack;
using engine::kStateBack;
using engine::kTimeBack;
constexpr base::Colour kPushBack{128, 255, 128};

// Font and look; the caption follows where the label has one.
void style(ui::Label& l, const ui::Font& f, bool transparent, base::Colour back = base::colours::Silver,
           ui::Align align = ui::Align::Left, bool wrap = false) {
    ui::dress(l, l.caption(), f, {back, transparent, align, wrap});
}

}  // namespace

void TForm1::layout() {
    using namespace base::colours;
    form.caption = "ゾルバンブロックuserPLAY　ver2.0　〜 ぬもろソフト 〜";
    form.appTitle = "ユーザープレー";
    form.background = Silver;
    form.defaultFont = ui::font(12, Black, false);
    form.noteArea = main_box.bounds();  // volume and size notes show over the field

    style(moji_l3, ui::font(35, Black, true, ui::kGothicP, true), true, Silver, ui::Align::Center, true);
    style(moji_l3a, ui::font(35, Black, true, ui::kGothicP, true), true, Silver, ui::Align::Center, true);
    style(moji_l2, ui::font(35, Lime, true, ui::kGothicP, true), true, Silver, ui::Align::Center, true);
    style(moji_l2a, ui::font(35, Lime, true, ui::kGothicP, true), true, Silver, ui::Align::Center, true);
    engine::PauseControl::dressLabels(pause_l, pause_la);
    style(moji_l, ui::font(24, Grey), false, kLogBack, ui::Align::Left, true);
    style(Label5, ui::font(12, Black, false), false, White);
    style(Label1, ui::font(15, White), false, Grey);
    Label1.setCaption("Your score");
    style(point_l, ui::font(24, White, true, ui::kMinchoP), true, Silver, ui::Align::Right);
    point_l.setCaption("99億9999万9999");
    style(Label2, ui::font(15, White), true);
    Label2.setCaption("points");
    style(high_l, ui::font(13, Grey), false, White);
    high_l.setCaption("HIGH SCORE:*************");
    style(state_l, ui::font(13, White), false, kStateBack, ui::Align::Left, true);
    state_l.setCaption("ステータス");
    mp_l.setRange(0, 99);
    mp_l.setColours({255, 128, 255}, Purple);
    hp_l.setRange(0, 99);
    hp_l.setColours({214, 172, 255}, {128, 0, 255});
    style(combo_l, ui::font(24, Yellow), true);
    combo_l.setCaption("99 combo");
    style(time_l, ui::font(24, Fuchsia), false, kTimeBack);
    time_l.setCaption("残り時間");
    style(Label6, ui::font(24, Teal), false, kPushBack);
    Label6.setCaption("Push!!→");
    style(Label7, ui::font(24, Teal), false, kPushBack);
    Label7.setCaption("←Push!!");
    style(play_l, ui::font(24, Teal), false, kPushBack);
    play_l.setCaption("がんばってね★");
    style(try_b, ui::font(15, White), false, Black, ui::Align::Left, true);
    try_b.setCaption("★ﾏｳｽｶｰｿﾙを左画面内に移動させ、好きな位置で左ｸﾘｯｸを押してスタートだよ☆");
    cg.setStretch(true);
    cg.setTransparent(true);
    style(Label4, ui::font(15, Navy), false, engine::kHowToPlayBack, ui::Align::Left, true);
    Label4.setCaption(
        "Play action way >>>>>>>>１、左ｸﾘｯｸ：爆発（Hp "
        "-1）　２、右ｸﾘｯｸ：軌道変更(Time　　　　　　　　　　　　　　　-５）３、"
        "Comboを貯めて高得点。");
    style(stage_l, ui::font(15, Black), false, Grey);
    stage_l.setCaption("STAGE NAME");
    Button5.setCaption("自分の作ったｽﾃｰｼﾞをプレイ");
    Button5.setFont(ui::font(13, Black));

    // Creation order is stacking order: later controls lie on top. The banner and its shadow lie over
    // the play field; the event log lies over the white strip below it; Button5 covers the labels and the
    // picture that share its box.
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &main_box, &moji_l3, &moji_l3a, &moji_l2, &moji_l2a, &pause_l, &pause_la, &Label5,  &moji_l,
             &Label1,   &point_l, &Label2,   &high_l,  &state_l,  &mp_l,    &hp_l,     &combo_l, &time_l,
             &Label6,   &Label7,  &play_l,   &try_b,   &cg,       &Label4,  &stage_l,  &Button5, &Image1})
        form.add(*c);
    for (ui::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6}) form.addTimer(*t);
}

}  // namespace runner
