// The runner window's controls: where its play screen differs from the game's, and its own controls.
#include "runner/TForm1.h"

#include "base/Translation.h"
#include "ui/core/ControlStyle.h"

namespace runner {
namespace {

constexpr base::Colour kPushBack{128, 255, 128};

}  // namespace

engine::PlayScreenLook TForm1::look() {
    using namespace base::colours;
    engine::PlayScreenLook l = engine::PlayScreenLook::game();
    l.caption = base::translate("Runner", "ゾルバンブロックuserPLAY　ver2.0　〜 ぬもろソフト 〜");
    l.appTitle = base::translate("Runner", "ユーザープレー");
    // A lime banner in one size, straight on the field.
    const ui::Font banner = ui::font(35, Lime, true, ui::kGothicP, true);
    const ui::Look overField{.transparent = true, .align = ui::Align::Center, .wrap = true};
    l.moji_l3a.font.px = 35;
    l.moji_l2 = {{2, 70, 401, 39}, "", banner, overField};
    l.moji_l2a = {{2, 134, 401, 39}, "", banner, overField};
    l.Label5.font.bold = false;
    l.Label1.caption = base::translate("Runner", "Your score");
    l.point_l.box = {412, 24, 181, 29};
    l.high_l = {{404, 72, 197, 13},
                base::translate("Runner", "HIGH SCORE:*************"),
                ui::font(13, Grey),
                {.back = White}};
    l.state_l.box.height = 121;
    l.combo_l.box.top = 184;
    l.time_l.box.top = 212;
    l.play_l = {{404, 240, 197, 29},
                base::translate("Runner", "がんばってね★"),
                ui::font(24, Teal),
                {.back = kPushBack}};
    l.stage_l.look.align = ui::Align::Left;
    return l;
}

void TForm1::layout() {
    using namespace base::colours;
    layOutPlayScreen(form);
    ui::dress(Label6, base::translate("Runner", "Push!!→"), ui::font(24, Teal), {.back = kPushBack});
    ui::dress(Label7, base::translate("Runner", "←Push!!"), ui::font(24, Teal), {.back = kPushBack});
    ui::dress(Button5, base::translate("Runner", "自分の作ったｽﾃｰｼﾞをプレイ"), ui::font(13, Black));

    // The "Push!!" labels lie under the beat caption; the stage button covers the labels and the
    // picture that share its box.
    stackPlayScreen(form, {{&time_l, {&Label6, &Label7}}}, {&Button5, &Image1});
}

}  // namespace runner
